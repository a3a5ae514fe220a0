// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage/approach.h"

#include "runtime/singleprecision.h"
#include "stage/words.h"

namespace Approach {

float stepForward(float walkingLeft)
{
    return toSingle(double(walkingLeft) + step);
}

float stopLine(float waitingLeft, float walkingWidth)
{
    return toSingle((double(waitingLeft) - double(walkingWidth)) - reach);
}

QString question()
{
    return Words().question;
}

} // namespace Approach
