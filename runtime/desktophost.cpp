#include "runtime/desktophost.h"

#include "runtime/boxreport.h"
#include "runtime/linebreaks.h"
#include "runtime/qtmediabackend.h"
#include "runtime/runtimeerror.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {
// Message boxes take CR LF; Qt breaks lines at LF.
QString boxText(const QString &text)
{
    return LineBreaks::toLf(text);
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
QWidget *DesktopHost::boxOwner() const
{
    return m_owner && m_owner->isVisible() ? m_owner.data() : nullptr;
}

int DesktopHost::ShowMessage(const QString &prompt, int buttons, const QString &title)
{
    BoxReport::shown(buttons, title, prompt);
    HostMessageBox box(boxOwner());
    box.setWindowTitle(title);
    box.setText(boxText(prompt));
    box.setTextFormat(Qt::PlainText);
    if (buttons == MessageBox::YesNo) {
        box.setIcon(QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
        box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
        box.setDefaultButton(QMessageBox::Yes);
        box.requireAnswer();
        return BoxReport::answered(
                title, box.exec() == QMessageBox::Yes ? MessageBox::Yes : MessageBox::No);
    }
    box.setIcon(QMessageBox::Information);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return BoxReport::answered(title, MessageBox::Ok);
}

int DesktopHost::OpenWithShell(WId, const QString &verb, const QString &file, const QString &,
                               const QString &, int)
{
    // "Open" on a web address: the desktop's handler for web addresses. As
    // with the shell call this stands in for, a result above 32 means started.
    if (verb.compare(QLatin1String("Open"), Qt::CaseInsensitive) != 0)
        return 0;
    return QDesktopServices::openUrl(QUrl(file)) ? 42 : 0;
}

void DesktopHost::showRuntimeError(const RuntimeError &error)
{
    BoxReport::error(error, QStringLiteral("Velmora"));
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Velmora"), boxText(error.message()),
                    QMessageBox::Ok, boxOwner());
    box.setTextFormat(Qt::PlainText);
    box.exec();
    BoxReport::answered(QStringLiteral("Velmora"), MessageBox::Ok);
}

void DesktopHost::endProgram(int exitCode)
{
    m_ended = true;
    m_exitCode = exitCode;
    if (m_owner)
        m_owner->hide();
    QCoreApplication::exit(exitCode);
}

std::unique_ptr<MediaBackend> DesktopHost::createMediaBackend(MediaRole)
{
    return std::make_unique<QtMediaBackend>();
}
