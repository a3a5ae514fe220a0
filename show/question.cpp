// SPDX-License-Identifier: GPL-3.0-or-later
#include "show/question.h"

#include "runtime/singleprecision.h"

namespace {
constexpr double overlap = 20.0;
}

float Question::meetingLeft(float walkingWidth, float walkingLeft)
{
    return toSingle((double(walkingWidth) + double(walkingLeft)) - overlap);
}
