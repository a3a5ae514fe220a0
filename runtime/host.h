#pragma once

#include "runtime/host/addressopener.h"
#include "runtime/host/mediafactory.h"
#include "runtime/host/messageboxes.h"
#include "runtime/host/programexit.h"

// The parts of the host the show talks to and tests replace, one concern each.
struct Host
{
    MessageBoxes &boxes;
    AddressOpener &addresses;
    ProgramExit &exit;
    MediaFactory &media;
};
