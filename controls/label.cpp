#include "controls/label.h"

#include "controls/labellines.h"

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

void Label::setCaption(const QString &caption)
{
    if (outOfSight()) {
        m_caption = caption;
        m_lines = splitLabelLines(caption);
        m_measureDeferred = true;
        return;
    }
    measureIfDeferred();
    // Only the lines that changed are measured and drawn again, each of them
    // whole: a character added to a line may join the one before it (Arabic,
    // emoji sequences), form a ligature with it or be kerned against it, so
    // the line is what it would be had it been drawn at once. A typewriter
    // changes only its last line, so a long text costs no more per tick than
    // a short one, unless that line is very long; see growsOutOfSight().
    const QStringList lines = splitLabelLines(caption);
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

    const QFontMetrics metrics = fontMetrics();
    QList<int> widths = m_lineWidths.mid(0, same);
    for (qsizetype i = same; i < lines.size() - sameAtEnd; ++i)
        widths.append(outOfSightGrowth && i == same
                              ? m_lineWidths[same] + metrics.horizontalAdvance(added)
                              : metrics.horizontalAdvance(lines[i]));
    widths.append(m_lineWidths.mid(oldCount - sameAtEnd));
    const int oldWidth = lastLineGrew ? m_lineWidths[same] : 0;

    m_caption = caption;
    m_lines = lines;
    m_lineWidths = widths;
    m_widest = widths.isEmpty() ? 0 : *std::max_element(widths.begin(), widths.end());
    setSizeFromPixels(QSize(m_widest, m_linePitch * int(m_lines.size())));
    if (m_centred) {
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

// Measures every line afresh and takes the size of the whole text.
void Label::autoSize()
{
    m_measureDeferred = false;
    const QFontMetrics metrics = fontMetrics();
    m_lineWidths.clear();
    m_widest = 0;
    m_lastLineLeftToRight = m_lines.isEmpty() || !holdsRightToLeft(m_lines.last());
    for (const QString &line : std::as_const(m_lines)) {
        m_lineWidths.append(metrics.horizontalAdvance(line));
        m_widest = std::max(m_widest, m_lineWidths.last());
    }
    setSizeFromPixels(QSize(m_widest, m_linePitch * int(m_lines.size())));
}

void Label::paintEvent(QPaintEvent *event)
{
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
    for (int i = first; i <= last; ++i) {
        const int lineWidth = i < m_lineWidths.size() ? m_lineWidths[i] : 0;
        const int x = m_centred ? (width() - lineWidth) / 2 : 0;
        painter.drawText(x, i * m_linePitch + baseline, m_lines[i]);
    }
}
