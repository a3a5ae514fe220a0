// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/timelineview.h"

#include "stage/stage.h"

#include <QPainter>

#include <algorithm>

TimelineView::TimelineView(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize TimelineView::sizeHint() const
{
    return QSize(Stage::clientArea.width(), fontMetrics().height() * 3 + 24);
}

void TimelineView::setTimes(const ShowTimes &times)
{
    m_times = times;
    setToolTip(timelineSummary(times, tr("   ")));
    update();
}

void TimelineView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = metrics.height();
    const double end = std::max({ m_times.question, m_times.musicEnds, m_times.walkEnds }) * 1.04;
    const int left = 8;
    const int right = width() - 8;
    auto xOf = [&](double seconds) { return left + int((right - left) * seconds / end); };
    const int barTop = 6;
    const int barHeight = 10;

    // The music as a band, the letter and the declaration on it.
    painter.fillRect(QRect(left, barTop, xOf(m_times.musicEnds) - left, barHeight),
                     QColor(200, 220, 255));
    painter.fillRect(QRect(left, barTop + 3, xOf(m_times.letterTyped) - left, barHeight - 6),
                     QColor(90, 90, 90));
    painter.fillRect(QRect(xOf(m_times.letterTyped), barTop + 3, xOf(m_times.question) - xOf(m_times.letterTyped),
                           barHeight - 6),
                     QColor(220, 40, 40));

    const QColor colors[] = { QColor(60, 60, 60), QColor(30, 110, 30), QColor(200, 0, 0),
                              QColor(40, 70, 160) };
    // Each name goes on the first row where it overlaps no other.
    int rowEnds[3] = { -1000, -1000, -1000 };
    for (const TimelineMark &mark : timelineMarks(m_times)) {
        const int x = xOf(mark.at);
        const int textWidth = metrics.horizontalAdvance(mark.text);
        const int textX = std::clamp(x - textWidth / 2, 0, std::max(0, width() - textWidth));
        int row = 0;
        while (row < 2 && textX < rowEnds[row] + 8)
            ++row;
        rowEnds[row] = textX + textWidth;
        const int textY = barTop + barHeight + 4 + metrics.ascent() + row * lineHeight;
        painter.setPen(QPen(colors[mark.moment], 2));
        painter.drawLine(x, barTop - 3, x, barTop + barHeight + 3);
        painter.drawText(textX, textY, mark.text);
    }
}
