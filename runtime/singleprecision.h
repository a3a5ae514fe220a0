// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Positions and sizes are single-precision numbers. A result computed in
// double precision is rounded to single; one that is then no finite number
// (too large, or no number at all) raises the overflow run-time error.
float toSingle(double value);
