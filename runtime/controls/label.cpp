#include "runtime/controls/label.h"

#include "runtime/controls/labellines.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

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
    // Only the lines that changed are measured and drawn again. A typewriter
    // adds one character a tick to the last line, which is measured by what
    // was added, so that a long text costs no more per tick than a short one.
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

    const QFontMetrics metrics = fontMetrics();
    QList<int> widths = m_lineWidths.mid(0, same);
    const qsizetype tailStart = lines.size() - sameAtEnd;
    for (qsizetype i = same; i < tailStart; ++i) {
        widths.append(
                i == same && lastLineGrew ? m_lineWidths[same]
                                + metrics.horizontalAdvance(lines[same].mid(m_lines[same].size()))
                                          : metrics.horizontalAdvance(lines[i]));
    }
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
    if (lastLineGrew && lines.size() == oldCount) {
        // Only what was added to the last line: the rest of it stays as drawn.
        update(lineRect(same, oldWidth, widths[same]));
        return;
    }
    const qsizetype dirtyEnd = std::max(lines.size(), oldCount) - sameAtEnd;
    update(QRect(0, int(same) * m_linePitch, std::max(width(), 1),
                 int(dirtyEnd - same) * m_linePitch));
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
    for (const QString &line : std::as_const(m_lines)) {
        m_lineWidths.append(metrics.horizontalAdvance(line));
        m_widest = std::max(m_widest, m_lineWidths.last());
    }
    setSizeFromPixels(QSize(m_widest, m_linePitch * int(m_lines.size())));
}

// The part of a line between two advances, widened for glyphs that reach a
// little beyond their advance.
QRect Label::lineRect(qsizetype line, int fromX, int toX) const
{
    constexpr int overhang = 2;
    return QRect(fromX - overhang, int(line) * m_linePitch, toX - fromX + 2 * overhang,
                 m_linePitch);
}

void Label::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(m_color);
    const QFontMetrics metrics = fontMetrics();
    // Glyphs are centred vertically in their line pitch.
    const int baseline = (m_linePitch + metrics.ascent() - metrics.descent()) / 2;
    const QRect dirty = event->rect();
    const int first = std::max(0, dirty.top() / m_linePitch);
    const int last = std::min<int>(int(m_lines.size()) - 1, dirty.bottom() / m_linePitch);
    for (int i = first; i <= last; ++i) {
        const int lineWidth = i < m_lineWidths.size() ? m_lineWidths[i] : 0;
        const int x = m_centred ? (width() - lineWidth) / 2 : 0;
        painter.drawText(x, i * m_linePitch + baseline, m_lines[i]);
    }
}
