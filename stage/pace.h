// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The show's pace: the intervals of its timers, and how long the music lasts.
namespace Pace {
constexpr int letterTickMs = 388; // one character of the letter
constexpr int declarationTickMs = 500; // one character of the declaration
constexpr int walkTickMs = 100; // one step of the walk
constexpr double musicSeconds = 161.0;
} // namespace Pace
