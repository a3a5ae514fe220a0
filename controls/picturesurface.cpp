#include "controls/picturesurface.h"

#include <QFileInfo>
#include <QPainter>

namespace {
QString doubledName(const QString &name)
{
    const QFileInfo file(name);
    const QString suffix = file.suffix();
    const QString base = suffix.isEmpty() ? name : name.chopped(suffix.size() + 1);
    return base + QLatin1String("@2x") + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
}
} // namespace

PictureSurface::PictureSurface(const QString &name, PictureLoader load, QWidget *box)
    : QWidget(box)
    , m_name(name)
    , m_load(load ? std::move(load) : [](const QString &path) { return QPixmap(path); })
    , m_normal(m_load(name))
{ }

void PictureSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (devicePixelRatioF() > 1 && !doubled().isNull()) {
        // Between 100 % and 200 % the doubled picture is reduced, smoothly.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(QPointF(0, 0), doubled());
    } else {
        painter.drawPixmap(QPointF(0, 0), m_normal);
    }
}

const QPixmap &PictureSurface::doubled()
{
    if (!m_doubledLoaded) {
        m_doubledLoaded = true;
        m_doubled = m_load(doubledName(m_name));
        if (!m_doubled.isNull() && m_doubled.size() == 2 * m_normal.size())
            m_doubled.setDevicePixelRatio(2.0);
        else
            m_doubled = QPixmap();
    }
    return m_doubled;
}
