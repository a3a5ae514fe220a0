#include "runtime/desktophost.h"

#include "runtime/boxreport.h"
#include "runtime/qtmediabackend.h"
#include "runtime/runtimeerror.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace {
QString boxText(const QString &text)
{
    // Message boxes take CR LF; Qt breaks lines at LF.
    QString shown = text;
    return shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}
} // namespace

int DesktopHost::ShowMessage(const QString &prompt, int buttons, const QString &title)
{
    BoxReport::shown(buttons, title, prompt);
    QMessageBox box(m_owner);
    box.setWindowTitle(title);
    box.setText(boxText(prompt));
    box.setTextFormat(Qt::PlainText);
    if (buttons == MessageBox::YesNo) {
        box.setIcon(QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
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
                    QMessageBox::Ok, m_owner);
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

std::unique_ptr<MediaBackend> DesktopHost::createMediaBackend()
{
    return std::make_unique<QtMediaBackend>();
}
