#pragma once

#include <QString>

// The walk of the boy towards the girl, in twips.
namespace Approach {

constexpr double step = 31;
constexpr double reach = 900;

// Both raise the overflow run-time error when the result is no finite number.
float stepForward(float walkingLeft);
float stopLine(float waitingLeft, float walkingWidth);

QString question();

} // namespace Approach
