// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/singleprecision.h"

#include "runtime/runtimeerror.h"

#include <cmath>

float toSingle(double value)
{
    const float single = static_cast<float>(value);
    if (!std::isfinite(single))
        raiseError(ErrorNumber::Overflow);
    return single;
}
