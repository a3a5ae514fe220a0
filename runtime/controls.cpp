#include "runtime/controls.h"

#include "runtime/carriedassets.h"
#include "runtime/runtimeerror.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <utility>

#include <cmath>
#include <utility>

int twipsToPixels(float twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

TwipsGeometry::TwipsGeometry(QWidget *widget)
    : m_widget(widget)
{ }

void TwipsGeometry::setLeft(float left)
{
    m_left = left;
    place();
}

void TwipsGeometry::setTop(float top)
{
    m_top = top;
    place();
}

void TwipsGeometry::setBounds(float left, float top, float width, float height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    place();
}

void TwipsGeometry::setSizeFromPixels(QSize size)
{
    m_width = size.width() * twipsPerPixel;
    m_height = size.height() * twipsPerPixel;
    place();
}

void TwipsGeometry::place()
{
    m_widget->setGeometry(twipsToPixels(m_left), twipsToPixels(m_top), twipsToPixels(m_width),
                          twipsToPixels(m_height));
    placed();
}

namespace {
// A character beyond the 16-bit range takes two units, and a typewriter adds
// one a tick: half a character is never drawn.
QString wholeCharacters(QString line)
{
    if (std::none_of(line.cbegin(), line.cend(), [](QChar c) { return c.isSurrogate(); }))
        return line;
    for (qsizetype i = line.size(); i-- > 0;) {
        const QChar c = line.at(i);
        const bool paired = c.isHighSurrogate()
                ? i + 1 < line.size() && line.at(i + 1).isLowSurrogate()
                : !c.isLowSurrogate() || (i > 0 && line.at(i - 1).isHighSurrogate());
        if (!paired)
            line.remove(i, 1);
    }
    return line;
}
} // namespace

QStringList splitLabelLines(const QString &text)
{
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normalised.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = wholeCharacters(line);
    return lines;
}

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

TextBox::TextBox(QWidget *container, float left, float top, float width, float height)
    : QWidget(container)
    , TwipsGeometry(this)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setBounds(left, top, width, height);
}

void TextBox::setText(const QString &text)
{
    m_text = text;
    m_selStart = std::min<int>(m_selStart, m_text.size());
    update();
}

void TextBox::setSelStart(qint64 position)
{
    m_selStart = int(std::clamp<qint64>(position, 0, m_text.size()));
    update();
}

void TextBox::SetFocus()
{
    if (isHidden() || !isEnabled())
        raiseError(ErrorNumber::InvalidProcedureCall);
    setFocus(Qt::OtherFocusReason);
}

void TextBox::insertAtCaret(const QString &text)
{
    m_text.insert(m_selStart, text);
    m_selStart += text.size();
    update();
}

// A line break (CR LF) and a character beyond the 16-bit range go as one.
qsizetype TextBox::unitsAfterCaret() const
{
    const QStringView rest = QStringView(m_text).mid(m_selStart);
    if (rest.startsWith(u"\r\n")
        || (rest.size() > 1 && rest[0].isHighSurrogate() && rest[1].isLowSurrogate()))
        return 2;
    return rest.isEmpty() ? 0 : 1;
}

qsizetype TextBox::unitsBeforeCaret() const
{
    const QStringView before = QStringView(m_text).left(m_selStart);
    if (before.endsWith(u"\r\n")
        || (before.size() > 1 && before.last().isLowSurrogate()
            && before[before.size() - 2].isHighSurrogate()))
        return 2;
    return before.isEmpty() ? 0 : 1;
}

qsizetype TextBox::lineStart() const
{
    for (qsizetype i = m_selStart; i > 0; --i) {
        if (m_text.at(i - 1) == QLatin1Char('\r') || m_text.at(i - 1) == QLatin1Char('\n'))
            return i;
    }
    return 0;
}

qsizetype TextBox::lineEnd() const
{
    for (qsizetype i = m_selStart; i < m_text.size(); ++i) {
        if (m_text.at(i) == QLatin1Char('\r') || m_text.at(i) == QLatin1Char('\n'))
            return i;
    }
    return m_text.size();
}

void TextBox::paste()
{
    // The clipboard of a Linux desktop breaks lines with LF; the box keeps CR LF.
    QString pasted = QGuiApplication::clipboard()->text();
    pasted.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    pasted.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    pasted.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    insertAtCaret(pasted);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        paste();
        return;
    }
    if (event->matches(QKeySequence::MoveToStartOfDocument)) {
        setSelStart(0);
        return;
    }
    if (event->matches(QKeySequence::MoveToEndOfDocument)) {
        setSelStart(m_text.size());
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        insertAtCaret(QStringLiteral("\r\n"));
        return;
    case Qt::Key_Backspace: {
        const qsizetype count = unitsBeforeCaret();
        m_selStart -= int(count);
        m_text.remove(m_selStart, count);
        update();
        return;
    }
    case Qt::Key_Delete:
        m_text.remove(m_selStart, unitsAfterCaret());
        update();
        return;
    case Qt::Key_Left:
        setSelStart(m_selStart - unitsBeforeCaret());
        return;
    case Qt::Key_Right:
        setSelStart(m_selStart + unitsAfterCaret());
        return;
    case Qt::Key_Home:
        setSelStart(lineStart());
        return;
    case Qt::Key_End:
        setSelStart(lineEnd());
        return;
    default:
        break;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && (typed.at(0).isPrint() || typed.at(0).isHighSurrogate()))
        insertAtCaret(typed);
    else
        QWidget::keyPressEvent(event);
}

// Input methods commit whole words at once (Chinese ones always do).
void TextBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (event->replacementLength() > 0) {
        const qsizetype from
                = std::clamp<qsizetype>(m_selStart + event->replacementStart(), 0, m_text.size());
        const qsizetype count
                = std::min<qsizetype>(event->replacementLength(), m_text.size() - from);
        m_text.remove(from, count);
        m_selStart = int(from);
    }
    insertAtCaret(event->commitString());
    event->accept();
}

QVariant TextBox::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
        return QRect(2, 0, 1, height());
    case Qt::ImSurroundingText:
        return m_text;
    case Qt::ImCursorPosition:
    case Qt::ImAnchorPosition:
        return m_selStart;
    default:
        return QWidget::inputMethodQuery(query);
    }
}

void TextBox::paintEvent(QPaintEvent *)
{
    // Never seen on the stage; drawn so that it is an honest text box anyway.
    QPainter painter(this);
    painter.drawText(rect().adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     m_text.left(m_selStart).section(QLatin1Char('\n'), -1));
}

namespace {
QString doubledName(const QString &name)
{
    const QFileInfo file(name);
    const QString suffix = file.suffix();
    const QString base = suffix.isEmpty() ? name : name.chopped(suffix.size() + 1);
    return base + QLatin1String("@2x") + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
}

// The content area of a picture box: draws the picture, in logical pixels,
// from its top-left corner. The pixels drawn are chosen at each paint, so a
// window moved to a screen of another scale draws the right ones.
class PictureSurface : public QWidget
{
public:
    PictureSurface(const QString &name, QWidget *box)
        : QWidget(box)
        , m_name(name)
        , m_normal(loadStagePicture(name))
    { }

protected:
    void paintEvent(QPaintEvent *) override
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

private:
    const QPixmap &doubled()
    {
        if (!m_doubledLoaded) {
            m_doubledLoaded = true;
            m_doubled = loadStagePicture(doubledName(m_name));
            if (!m_doubled.isNull() && m_doubled.size() == 2 * m_normal.size())
                m_doubled.setDevicePixelRatio(2.0);
            else
                m_doubled = QPixmap();
        }
        return m_doubled;
    }

    QString m_name;
    QPixmap m_normal;
    QPixmap m_doubled;
    bool m_doubledLoaded = false;
};
} // namespace

PictureBox::PictureBox(QWidget *container, float left, float top, float width, float height,
                       const QString &pictureName, int frameWidth)
    : QFrame(container)
    , TwipsGeometry(this)
    , m_content(nullptr)
{
    if (frameWidth > 0) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(frameWidth);
    }
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setBounds(left, top, width, height);

    m_content = new PictureSurface(pictureName, this);
    m_content->setGeometry(contentsRect());
}

namespace {
qint64 steadyNowNs()
{
    static const QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.nsecsElapsed();
}

Timer::Clock nowNs = steadyNowNs;

// The due time of the tick being handled, if any. A tick can be delivered
// inside another (while its handler waits in a message box), so each tick
// puts back what it found.
qint64 currentTickDueNs = -1;

// The tick after one due at `fromNs`; when that moment has already passed,
// the timer stalled for more than an interval and starts afresh from now
// rather than firing a burst of ticks to catch up.
qint64 followingDueNs(qint64 fromNs, qint64 intervalNs)
{
    const qint64 now = nowNs();
    const qint64 next = fromNs + intervalNs;
    return next < now ? now + intervalNs : next;
}
} // namespace

void Timer::setClock(Clock clock)
{
    nowNs = clock ? clock : steadyNowNs;
}

Timer::Timer(QObject *parent, int intervalMs)
    : QObject(parent)
    , m_intervalMs(intervalMs)
{
    m_trigger.setSingleShot(true);
    m_trigger.setTimerType(Qt::PreciseTimer);
    connect(&m_trigger, &QTimer::timeout, this, &Timer::fire);
}

void Timer::setEnabled(bool on)
{
    if (on == m_enabled)
        return; // switching a running timer on again keeps its schedule
    m_enabled = on;
    if (!on) {
        m_trigger.stop();
        return;
    }
    const qint64 base = currentTickDueNs >= 0 ? currentTickDueNs : nowNs();
    m_dueNs = followingDueNs(base, intervalNs());
    arm();
}

void Timer::arm()
{
    const qint64 waitNs = std::max<qint64>(0, m_dueNs - nowNs());
    m_trigger.start(int((waitNs + 999'999) / 1'000'000));
}

void Timer::fire()
{
    const qint64 due = m_dueNs;
    m_dueNs = followingDueNs(due, intervalNs());
    const qint64 outerTickDueNs = std::exchange(currentTickDueNs, due);
    emit timeout();
    currentTickDueNs = outerTickDueNs;
    if (m_enabled && !m_trigger.isActive())
        arm();
}
