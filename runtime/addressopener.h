// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Hands a web address to the desktop, which opens it in the user's browser.
class AddressOpener
{
public:
    virtual ~AddressOpener() = default;

    // True when the desktop took the address.
    virtual bool openAddress(const QString &address) = 0;
};
