// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The walk of the boy towards the girl, in twips.
namespace Approach {

constexpr double step = 31;
constexpr double reach = 900;

// Both raise the overflow run-time error when the result is no finite number.
float stepForward(float walkingLeft);
float stopLine(float waitingLeft, float walkingWidth);

// The question beside the girl, unless the preparer chose their own.
QString question();

} // namespace Approach
