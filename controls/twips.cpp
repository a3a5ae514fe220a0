#include "controls/twips.h"

#include <cmath>

int twipsToPixels(float twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}
