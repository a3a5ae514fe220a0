// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/addressopener.h"

#include <QProcessEnvironment>

// The desktop's handler for web addresses, started in the environment the
// user gave the show: the settings the show makes for its own media and
// graphics are not the browser's.
class DesktopAddressOpener : public AddressOpener
{
public:
    explicit DesktopAddressOpener(const QProcessEnvironment &userEnvironment);

    bool openAddress(const QString &address) override;

private:
    QProcessEnvironment m_userEnvironment;
};
