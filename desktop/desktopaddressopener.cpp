#include "desktop/desktopaddressopener.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopAddressOpener::openAddress(const QString &address)
{
    return QDesktopServices::openUrl(QUrl(address));
}
