// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/label.h"

#include "controls/labellines.h"
#include "runtime/textruns.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace {
bool holdsRightToLeft(const QString &text)
{
    const QList<uint> characters = text.toUcs4();
    return std::any_of(characters.begin(), characters.end(), [](uint c) {
        switch (QChar::direction(c)) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirRLI:
            return true;
        default:
            return false;
        }
    });
}
} // namespace

Label::Label(QWidget *container, float left, float top)
    : QWidget(container)
    , TwipsGeometry(this)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Lines are drawn from the top-left corner: when the label grows, only
    // the new area needs painting.
    setAttribute(Qt::WA_StaticContents);
    setBounds(left, top, 0, 0);
    autoSize();
}

void Label::setCaption(const QString &caption, const QString &toCome)
{
    if (outOfSight()) {
        m_caption = caption;
        m_lines = splitLabelLines(caption, toCome);
        m_measureDeferred = true;
        return;
    }
    measureIfDeferred();
    // Only the lines that changed are laid out and drawn again, each of them
    // whole: a character added to a line may join the one before it (Arabic,
    // emoji sequences), form a ligature with it or be kerned against it, so
    // the line is what it would be had it been drawn at once. A typewriter
    // changes only its last line, so a long text costs no more per tick than
    // a short one, unless that line is very long; see growsOutOfSight().
    const QStringList lines = splitLabelLines(caption, toCome);
    const qsizetype oldCount = m_lines.size();
    const qsizetype common = std::min(lines.size(), oldCount);
    qsizetype same = 0;
    while (same < common && lines[same] == m_lines[same])
        ++same;
    qsizetype sameAtEnd = 0;
    if (lines.size() == oldCount) {
        while (sameAtEnd < common - same
               && lines[lines.size() - 1 - sameAtEnd] == m_lines[oldCount - 1 - sameAtEnd])
            ++sameAtEnd;
    }

    const bool lastLineGrew
            = same == oldCount - 1 && same < lines.size() && lines[same].startsWith(m_lines[same]);
    const QString added = lastLineGrew ? lines[same].mid(m_lines[same].size()) : QString();
    const bool outOfSightGrowth = lastLineGrew && growsOutOfSight(same, added);
    m_lastLineLeftToRight = lastLineGrew ? m_lastLineLeftToRight && !holdsRightToLeft(added)
                                         : !holdsRightToLeft(lines.last());

    const int oldWidth = lastLineGrew ? m_lineWidths[same] : 0;
    const bool hadRightToLeft = m_lineRightToLeft.contains(true);
    m_caption = caption;
    takeLines(lines, same, sameAtEnd, outOfSightGrowth ? &added : nullptr);
    takeSize();
    const QList<int> &widths = m_lineWidths;
    // Centred lines, and right-to-left ones aligned to a growing label, move.
    if (m_centred || ((hadRightToLeft || m_lineRightToLeft.contains(true)) && m_rightToLeftEdge < 0)) {
        update();
        return;
    }
    if (outOfSightGrowth && lines.size() == oldCount) {
        update(QRect(oldWidth, int(same) * m_linePitch, widths[same] - oldWidth, m_linePitch));
        return;
    }
    // The changed lines, and the lines beside them that their glyphs reach into.
    const int firstRow = int(same) - 1;
    const int endRow = int(std::max(lines.size(), oldCount) - sameAtEnd) + 1;
    update(QRect(0, firstRow * m_linePitch, std::max(width(), 1),
                 (endRow - firstRow) * m_linePitch));
}

// Lays out lines `same` to `lines.size() - sameAtEnd` afresh and keeps the
// layouts of the others. A line grown out of sight by `addedOutOfSight` is
// measured by what was added and laid out when it is next drawn, if ever.
void Label::takeLines(const QStringList &lines, qsizetype same, qsizetype sameAtEnd,
                      const QString *addedOutOfSight)
{
    const qsizetype oldCount = m_lines.size();
    QList<int> widths = m_lineWidths.mid(0, same);
    QList<bool> rightToLeft = m_lineRightToLeft.mid(0, same);
    std::vector<LineLayoutPtr> layouts;
    for (qsizetype i = 0; i < same; ++i)
        layouts.push_back(std::move(m_layouts[size_t(i)]));
    for (qsizetype i = same; i < lines.size() - sameAtEnd; ++i) {
        if (addedOutOfSight && i == same) {
            widths.append(m_lineWidths[same] + fontMetrics().horizontalAdvance(*addedOutOfSight));
            rightToLeft.append(false);
            layouts.push_back(nullptr);
            continue;
        }
        layouts.push_back(layOut(lines[i]));
        widths.append(layouts.back()->width());
        rightToLeft.append(layouts.back()->rightToLeft());
    }
    for (qsizetype i = oldCount - sameAtEnd; i < oldCount; ++i)
        layouts.push_back(std::move(m_layouts[size_t(i)]));
    widths.append(m_lineWidths.mid(oldCount - sameAtEnd));
    rightToLeft.append(m_lineRightToLeft.mid(oldCount - sameAtEnd));
    m_lines = lines;
    m_lineWidths = widths;
    m_lineRightToLeft = rightToLeft;
    m_layouts = std::move(layouts);
}

float Label::Width() const
{
    const_cast<Label *>(this)->measureIfDeferred();
    return TwipsGeometry::Width();
}

float Label::Height() const
{
    const_cast<Label *>(this)->measureIfDeferred();
    return TwipsGeometry::Height();
}

void Label::setTextFont(const QFont &font, int linePitch)
{
    setFont(font);
    m_linePitch = linePitch;
    if (outOfSight())
        m_measureDeferred = true;
    else
        autoSize();
}

void Label::setTextColor(const QColor &color)
{
    m_color = color;
    update();
}

void Label::setRightToLeftEdge(float twips)
{
    m_rightToLeftEdge = twips;
    if (!m_measureDeferred)
        takeSize();
    update();
}

void Label::setCentred(bool centred)
{
    m_centred = centred;
    // Centred lines move as they grow: the whole label is repainted.
    setAttribute(Qt::WA_StaticContents, !centred);
    update();
}

// Grows right and down from its top-left corner: beyond the container's right
// or bottom edge no part of it can be seen.
bool Label::outOfSight() const
{
    const QWidget *container = parentWidget();
    return container && (x() >= container->width() || y() >= container->height());
}

// Far enough past the container's right edge, what is added to a line of
// left-to-right text changes nothing that can be seen: shaping joins the
// characters of one ligature, cluster or emoji sequence, never sixteen
// characters' width. Such a line is measured by what was added to it.
bool Label::growsOutOfSight(qsizetype line, const QString &added) const
{
    const QWidget *container = parentWidget();
    constexpr int joinedWidthInLines = 16;
    return container && m_lastLineLeftToRight && !holdsRightToLeft(added)
            && x() + m_lineWidths[line] >= container->width() + joinedWidthInLines * m_linePitch;
}

void Label::measureIfDeferred()
{
    if (std::exchange(m_measureDeferred, false))
        autoSize();
}

void Label::placed()
{
    if (m_measureDeferred && !outOfSight())
        autoSize();
}

// Lays out every line afresh and takes the size of the whole text.
void Label::autoSize()
{
    m_measureDeferred = false;
    m_lineWidths.clear();
    m_lineRightToLeft.clear();
    m_layouts.clear();
    m_lastLineLeftToRight = m_lines.isEmpty() || !holdsRightToLeft(m_lines.last());
    for (const QString &line : std::as_const(m_lines)) {
        m_layouts.push_back(layOut(line));
        m_lineWidths.append(m_layouts.back()->width());
        m_lineRightToLeft.append(m_layouts.back()->rightToLeft());
    }
    takeSize();
}

// The widest line, and the lines below one another; a right-to-left line
// reaches to its edge.
void Label::takeSize()
{
    m_widest = m_lineWidths.isEmpty() ? 0 : *std::max_element(m_lineWidths.begin(), m_lineWidths.end());
    int wide = m_widest;
    if (m_rightToLeftEdge >= 0 && m_lineRightToLeft.contains(true))
        wide = std::max(wide, rightToLeftEnd());
    setSizeFromPixels(QSize(wide, m_linePitch * int(m_lines.size())));
}

LineLayoutPtr Label::layOut(const QString &line)
{
    if (!m_emojiFamily && mayHoldEmoji(line))
        m_emojiFamily = colourEmojiFamily();
    return std::make_unique<LineLayout>(line, font(), m_emojiFamily.value_or(QString()), this);
}

const LineLayout &Label::layoutOf(qsizetype line)
{
    LineLayoutPtr &layout = m_layouts[size_t(line)];
    if (!layout)
        layout = layOut(m_lines[line]);
    return *layout;
}

// Where right-to-left lines end, from the label's left edge.
int Label::rightToLeftEnd() const
{
    return m_rightToLeftEdge >= 0 ? twipsToPixels(m_rightToLeftEdge) - x() : width();
}

qreal Label::lineStart(qsizetype line)
{
    const int lineWidth = line < m_lineWidths.size() ? m_lineWidths[line] : 0;
    if (m_centred)
        return (width() - lineWidth) / 2;
    if (line < m_lineRightToLeft.size() && m_lineRightToLeft[line])
        return rightToLeftEnd() - layoutOf(line).exactWidth();
    return 0;
}

void Label::paintEvent(QPaintEvent *event)
{
    measureIfDeferred();
    QPainter painter(this);
    painter.setPen(m_color);
    const QFontMetrics metrics = fontMetrics();
    // Glyphs are centred vertically in their line pitch.
    const int baseline = (m_linePitch + metrics.ascent() - metrics.descent()) / 2;
    const QRect dirty = event->rect();
    // Glyphs taller than the line pitch (emoji, accents) reach into the lines
    // beside their own: those are drawn too, clipped to what is repainted.
    const int first = std::max(0, dirty.top() / m_linePitch - 1);
    const int last = std::min<int>(int(m_lines.size()) - 1, dirty.bottom() / m_linePitch + 1);
    for (int i = first; i <= last; ++i)
        layoutOf(i).draw(painter, lineStart(i), i * m_linePitch + baseline);
}
