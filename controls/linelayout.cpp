// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/linelayout.h"

#include "controls/textruns.h"

#include <QPainter>
#include <QTextLine>

namespace {
QList<QTextLayout::FormatRange> emojiFormats(const QString &line, const QString &emojiFamily)
{
    QList<QTextLayout::FormatRange> formats;
    if (emojiFamily.isEmpty())
        return formats;
    for (const TextRun &run : emojiRuns(line)) {
        if (!run.emoji)
            continue;
        QTextLayout::FormatRange range;
        range.start = int(run.start);
        range.length = int(run.length);
        range.format.setFontFamilies({ emojiFamily });
        formats.append(range);
    }
    return formats;
}
} // namespace

LineLayout::LineLayout(const QString &line, const QFont &font, const QString &emojiFamily,
                       QPaintDevice *device)
    : m_layout(line, font, device)
    , m_rightToLeft(line.isRightToLeft())
{
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    // Glyphs from x 0 in either direction; the label places the line.
    option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(m_rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    m_layout.setTextOption(option);
    m_layout.setFormats(emojiFormats(line, emojiFamily));
    m_layout.setCacheEnabled(true);
    m_layout.beginLayout();
    QTextLine textLine = m_layout.createLine();
    if (textLine.isValid()) {
        // Never wider than this: lines break only at line breaks.
        textLine.setLineWidth(1 << 20);
        textLine.setPosition(QPointF(0, 0));
        m_width = textLine.horizontalAdvance();
    }
    m_layout.endLayout();
}

void LineLayout::draw(QPainter &painter, qreal x, int baseline) const
{
    if (m_layout.lineCount() == 0)
        return;
    const QTextLine line = m_layout.lineAt(0);
    m_layout.draw(&painter, QPointF(x, baseline - line.ascent()));
}
