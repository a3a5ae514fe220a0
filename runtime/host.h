// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runtime/addressopener.h"
#include "runtime/assetsource.h"
#include "runtime/mediafactory.h"
#include "runtime/messageboxes.h"
#include "runtime/programexit.h"

// The parts of the host the show talks to and tests replace, one concern each.
struct Host
{
    MessageBoxes &boxes;
    AddressOpener &addresses;
    ProgramExit &exit;
    MediaFactory &media;
    // The program's resources, and what it carries in their place.
    const AssetSource &assets;
};
