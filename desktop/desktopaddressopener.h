#pragma once

#include "runtime/addressopener.h"

// The desktop's handler for web addresses.
class DesktopAddressOpener : public AddressOpener
{
public:
    bool openAddress(const QString &address) override;
};
