// The device seen from above: a clean vector drawing of the mouse (two main buttons, the
// wheel, the DPI button, two side buttons and the light strip), for the device picture
// and the start page.
#pragma once
#include "canvas.h"

namespace skingen {

// Draws the mouse scaled to fit the box, centred, keeping its proportions (260 x 400).
void drawDevice(Canvas& canvas, Box box);

}  // namespace skingen
