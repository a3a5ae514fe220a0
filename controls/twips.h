// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Positions and sizes of controls are single-precision twips: 15 to a pixel
// at 96 dots per inch.
constexpr float twipsPerPixel = 15.0f;
// The pixels of `twips` on a stage drawn `scale` times its own size.
int twipsToPixels(float twips, double scale = 1.0);
