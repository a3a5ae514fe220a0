#pragma once

#include "runtime/addressopener.h"
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
};
