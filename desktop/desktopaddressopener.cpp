// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/desktopaddressopener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

DesktopAddressOpener::DesktopAddressOpener(const QProcessEnvironment &userEnvironment)
    : m_userEnvironment(userEnvironment)
{ }

bool DesktopAddressOpener::openAddress(const QString &address)
{
    // As Qt itself does on an X11 or Wayland desktop, through xdg-open; where
    // there is none, Qt's own way (a portal, say) with the show's environment.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return QDesktopServices::openUrl(QUrl(address));
    QProcess process;
    process.setProgram(opener);
    process.setArguments({ address });
    process.setProcessEnvironment(m_userEnvironment);
    return process.startDetached();
}
