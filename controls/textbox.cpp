// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/textbox.h"

#include "runtime/linebreaks.h"
#include "runtime/runtimeerror.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

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
    insertAtCaret(LineBreaks::toCrLf(QGuiApplication::clipboard()->text()));
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
