#pragma once

// Positions and sizes of controls are single-precision twips: 15 to a pixel
// at 96 dots per inch.
constexpr float twipsPerPixel = 15.0f;
int twipsToPixels(float twips);
