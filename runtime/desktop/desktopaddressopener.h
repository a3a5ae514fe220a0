#pragma once

#include "runtime/host/addressopener.h"

// The desktop's handler for web addresses.
class DesktopAddressOpener : public AddressOpener
{
public:
    bool openAddress(const QString &address) override;
};
