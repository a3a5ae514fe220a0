// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/linelayout.h"

#include "runtime/textruns.h"

#include <QGlyphRun>
#include <QPainter>
#include <QTextLine>

namespace {
// The line as laid out, with the runs its emoji take. The colour face maps no
// presentation selector (U+FE0F): left in, it would be drawn from another
// face and split its sequence into separate pictures. Within an emoji run it
// says nothing the face does not already do, so it is left out there.
QString withEmojiFaces(const QString &line, const QString &emojiFamily,
                       QList<QTextLayout::FormatRange> &formats)
{
    if (emojiFamily.isEmpty())
        return line;
    QString shown;
    shown.reserve(line.size());
    for (const TextRun &run : emojiRuns(line)) {
        const QString text = line.mid(run.start, run.length);
        if (!run.emoji) {
            shown += text;
            continue;
        }
        QTextLayout::FormatRange range;
        range.start = int(shown.size());
        shown += QString(text).remove(QChar(0xFE0F));
        range.length = int(shown.size()) - range.start;
        range.format.setFontFamilies({ emojiFamily });
        formats.append(range);
    }
    return shown;
}
} // namespace

LineLayout::LineLayout(const QString &line, const QFont &font, const QString &emojiFamily,
                       QPaintDevice *device)
    : m_layout(QString(), font, device)
    , m_rightToLeft(line.isRightToLeft())
{
    QList<QTextLayout::FormatRange> formats;
    m_layout.setText(withEmojiFaces(line, emojiFamily, formats));
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    // Glyphs from x 0 in either direction; the label places the line.
    option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(m_rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    m_layout.setTextOption(option);
    m_layout.setFormats(formats);
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

qsizetype LineLayout::glyphCount() const
{
    qsizetype count = 0;
    for (const QGlyphRun &run : m_layout.glyphRuns())
        count += run.glyphIndexes().size();
    return count;
}
