// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/twips.h"

#include <cmath>

int twipsToPixels(float twips, double scale)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel * scale));
}
