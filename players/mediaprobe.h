#pragma once

#include "runtime/reason.h"

#include <QString>

// Whether the show's own player can play a file on this machine, and how long
// it lasts. Opens the file as the show would and waits, in a local event
// loop, until the player knows.
struct MediaProbe
{
    enum class Kind { Audio, Video };

    bool playable = false;
    qint64 durationMs = -1;
    Reason problem; // why it cannot be played

    static MediaProbe probe(const QString &path, Kind kind, int timeoutMs = 20000);
};
