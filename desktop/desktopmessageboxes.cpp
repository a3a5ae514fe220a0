// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktopmessageboxes.h"

#include "runtime/boxreport.h"
#include "runtime/linebreaks.h"
#include "runtime/runtimeerror.h"
#include "runtime/textruns.h"
#include "runtime/windowtitle.h"
#include "runtime/timeline.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace {
// Message boxes take CR LF; Qt breaks lines at LF.
QString boxText(const QString &text)
{
    return LineBreaks::toLf(text);
}

// Qt before 6.9 picks faces character by character and prefers no colour
// face for emoji: a prompt holding emoji names the colour face for each of
// their runs. Every other character stays as written, blanks included.
QString promptMarkup(const QString &prompt, const QString &emojiFamily)
{
    QString markup = QStringLiteral("<p style=\"white-space:pre-wrap\">");
    for (const TextRun &run : emojiRuns(prompt)) {
        QString text = prompt.mid(run.start, run.length);
        if (!run.emoji) {
            markup += text.toHtmlEscaped();
            continue;
        }
        // The colour face maps no U+FE0F: drawn from another face, it would
        // split the sequence into separate pictures.
        text.remove(QChar(0xFE0F));
        markup += QStringLiteral("<span style=\"font-family:'%1'\">%2</span>")
                          .arg(emojiFamily, text.toHtmlEscaped());
    }
    return markup.replace(QLatin1Char('\n'), QStringLiteral("<br>")) + QStringLiteral("</p>");
}

// The prompt in plain text, unless it holds emoji the colour face can draw.
void setPrompt(QMessageBox &box, const QString &prompt)
{
    const QString text = boxText(prompt);
    const QList<TextRun> runs = emojiRuns(text);
    const bool emoji = std::any_of(runs.begin(), runs.end(), [](const TextRun &run) { return run.emoji; });
    const QString family = emoji ? colourEmojiFamily() : QString();
    if (family.isEmpty()) {
        box.setText(text);
        box.setTextFormat(Qt::PlainText);
        return;
    }
    box.setText(promptMarkup(text, family));
    box.setTextFormat(Qt::RichText);
}

// The host's message box. A box that asks Yes or No has no cancel: Escape
// does nothing, the title bar offers no close button and a request to close
// it (Alt+F4, the window manager) leaves it standing, so that only Yes or No
// answers it. A box with one OK button closes by Return, Escape or its ×.
class HostMessageBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

    void requireAnswer()
    {
        m_answerRequired = true;
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                       | Qt::MSWindowsFixedSizeDialogHint);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (m_answerRequired && event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }

    void closeEvent(QCloseEvent *event) override
    {
        if (m_answerRequired && !clickedButton()) {
            event->ignore();
            return;
        }
        QMessageBox::closeEvent(event);
    }

    // Whatever else would reject the box without an answer.
    void done(int result) override
    {
        if (m_answerRequired && !clickedButton())
            return;
        QMessageBox::done(result);
    }

private:
    bool m_answerRequired = false;
};
} // namespace

// A box raised before the window is first shown is centred on the screen,
// not on the window's future place.
QWidget *DesktopMessageBoxes::boxOwner() const
{
    return m_owner && m_owner->isVisible() ? m_owner.data() : nullptr;
}

std::unique_ptr<QMessageBox> DesktopMessageBoxes::buildBox(const QString &prompt,
                                                          BoxButtons buttons,
                                                          const QString &title,
                                                          const BoxButtonTexts &texts,
                                                          QWidget *owner)
{
    auto box = std::make_unique<HostMessageBox>(owner);
    box->setWindowTitle(asWindowTitle(title));
    setPrompt(*box, prompt);
    if (buttons == BoxButtons::YesNo) {
        box->setIcon(QMessageBox::NoIcon);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->button(QMessageBox::Yes)->setText(texts.yes);
        box->button(QMessageBox::No)->setText(texts.no);
        box->setDefaultButton(QMessageBox::Yes);
        box->requireAnswer();
        return box;
    }
    box->setIcon(QMessageBox::Information);
    box->setStandardButtons(QMessageBox::Ok);
    if (!texts.ok.isEmpty())
        box->button(QMessageBox::Ok)->setText(texts.ok);
    return box;
}

BoxAnswer DesktopMessageBoxes::showMessage(const QString &prompt, BoxButtons buttons,
                                           const QString &title)
{
    BoxReport::shown(buttons, title, prompt);
    const std::unique_ptr<QMessageBox> box
            = buildBox(prompt, buttons, title, m_buttonTexts, boxOwner());
    Timeline::mark(QStringLiteral("box opens ") + title);
    const int result = box->exec();
    if (buttons == BoxButtons::YesNo)
        return BoxReport::answered(title, result == QMessageBox::Yes ? BoxAnswer::Yes
                                                                     : BoxAnswer::No);
    return BoxReport::answered(title, BoxAnswer::Ok);
}

void DesktopMessageBoxes::showRuntimeError(const RuntimeError &error)
{
    BoxReport::error(error, QStringLiteral("Velmora"));
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Velmora"), boxText(error.message()),
                    QMessageBox::Ok, boxOwner());
    box.setTextFormat(Qt::PlainText);
    box.exec();
    BoxReport::answered(QStringLiteral("Velmora"), BoxAnswer::Ok);
}
