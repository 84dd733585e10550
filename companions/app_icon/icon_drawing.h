// The program's icon: the mouse seen from above, light on the skin's charcoal tile, with
// the accent yellow on the wheel and the light strip, so it reads as this program's at
// a glance in the task bar, the Start menu and Add/Remove Programs.
#pragma once
#include "ico_file.h"

namespace appicon {

// The icon drawn at `size` pixels. Small sizes (24 and less) drop the fine details and
// enlarge the mouse so it stays recognisable; the 256-pixel image is PNG-compressed.
IconImage drawIcon(int size);

// Writes the image as PNG (for looking at it); throws std::runtime_error on failure.
void writeIconPng(const IconImage& image, const char* path);

}  // namespace appicon
