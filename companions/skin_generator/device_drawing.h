// The device seen from above: a clean vector drawing of the mouse with its nine buttons
// (the two main buttons, the wheel, two side buttons on the left flank, the split DPI
// up/down key, a key on the palm rest and one on the right flank) and the light strip, for
// the device picture, the start page and the button page.
#pragma once
#include <optional>
#include "canvas.h"

namespace skingen {

// Draws the mouse scaled to fit the box, centred, keeping its proportions (260 x 400).
void drawDevice(Canvas& canvas, Box box);

struct Point {
  double x, y;
};

// Where mouse button `button` (1..9, the button page's slot numbers) is on the device drawn
// into `box`; none for other numbers.
std::optional<Point> deviceButtonPoint(int button, Box box);

}  // namespace skingen
