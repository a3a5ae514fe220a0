// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/titlebar.h"

#include <QPainter>

namespace {
constexpr int padding = 6;
constexpr int iconSize = 16;
} // namespace

TitleBar::TitleBar(QWidget *parent)
    : QWidget(parent)
{
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void TitleBar::setTitle(const QString &title)
{
    m_title = title;
    setAccessibleName(title);
    update();
}

void TitleBar::setIcon(const QIcon &icon)
{
    m_icon = icon;
    update();
}

void TitleBar::setClosable(bool closable)
{
    m_closable = closable;
    update();
}

QSize TitleBar::sizeHint() const
{
    return { 200, std::max(iconSize, fontMetrics().height()) + 2 * padding };
}

QSize TitleBar::minimumSizeHint() const
{
    return { 4 * padding, sizeHint().height() };
}

void TitleBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(58, 64, 78));
    painter.setPen(Qt::white);
    QRect text = rect().adjusted(padding, 0, -padding, 0);
    if (!m_icon.isNull()) {
        m_icon.paint(&painter, QRect(text.left(), (height() - iconSize) / 2, iconSize, iconSize));
        text.setLeft(text.left() + iconSize + padding);
    }
    if (m_closable) {
        const QString cross = QStringLiteral("×");
        const int crossWidth = fontMetrics().horizontalAdvance(cross);
        painter.drawText(QRect(text.right() - crossWidth, 0, crossWidth, height()),
                         Qt::AlignCenter, cross);
        text.setRight(text.right() - crossWidth - padding);
    }
    // The window manager's plain line: line breaks are not drawn as such.
    const QString line = QString(m_title).replace(QLatin1Char('\r'), QLatin1Char(' '))
                                 .replace(QLatin1Char('\n'), QLatin1Char(' '));
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
                     fontMetrics().elidedText(line, Qt::ElideRight, text.width()));
}
