// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/picturesurface.h"

#include <QFileInfo>
#include <QPainter>

namespace {
// "name@2x.ext" and "name@4x.ext": the picture drawn `factor` times as large.
QString largerName(const QString &name, int factor)
{
    const QFileInfo file(name);
    const QString suffix = file.suffix();
    const QString base = suffix.isEmpty() ? name : name.chopped(suffix.size() + 1);
    return base + QStringLiteral("@%1x").arg(factor)
            + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
}
} // namespace

PictureSurface::PictureSurface(const QString &name, PictureLoader load, QWidget *box)
    : QWidget(box)
    , m_name(name)
    , m_load(load ? std::move(load) : [](const QString &path) { return QPixmap(path); })
    , m_normal(m_load(name))
{ }

void PictureSurface::setScale(double scale)
{
    if (scale == m_scale)
        return;
    m_scale = scale;
    m_scaled = QPixmap();
    update();
}

const QPixmap &PictureSurface::scaled()
{
    const qreal ratio = devicePixelRatioF();
    if (m_scaled.isNull() || m_scaled.devicePixelRatio() != ratio) {
        const double shownFactor = m_scale * ratio;
        // The fourfold picture is large: it is read for this and let go again.
        QPixmap fourfold = shownFactor > 2 ? m_load(largerName(m_name, 4)) : QPixmap();
        if (fourfold.size() != 4 * m_normal.size())
            fourfold = QPixmap();
        const QPixmap &source = !fourfold.isNull()                    ? fourfold
                : shownFactor > 1 && !doubled().isNull() ? doubled()
                                                         : m_normal;
        const QSize shown = (QSizeF(m_normal.size()) * shownFactor).toSize();
        m_scaled = source.isNull() ? QPixmap()
                                   : source.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_scaled.setDevicePixelRatio(ratio);
    }
    return m_scaled;
}

void PictureSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_scale != 1.0) {
        // Made once for the scale shown: each tick's repaint is a plain copy.
        painter.drawPixmap(QPointF(0, 0), scaled());
        return;
    }
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
        m_doubled = m_load(largerName(m_name, 2));
        if (!m_doubled.isNull() && m_doubled.size() == 2 * m_normal.size())
            m_doubled.setDevicePixelRatio(2.0);
        else
            m_doubled = QPixmap();
    }
    return m_doubled;
}
