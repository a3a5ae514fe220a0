// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Moments of the show, written to the "velmora.timeline" logging category
// (off unless QT_LOGGING_RULES turns it on), in milliseconds since the
// program started. The benchmarks read them.
namespace Timeline {
void start();
void mark(const char *moment);
void mark(const QString &moment);
} // namespace Timeline
