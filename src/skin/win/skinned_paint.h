// The paint of a skinned window: black, the window's picture stretched to its client area,
// then whatever the window draws over it, through an off-screen bitmap.
#pragma once
#include <windows.h>

#include <functional>

#include "skin/win/skin_image.h"

namespace ko {

// Paints the part `update` of the client area (the paint's rcPaint) through an off-screen
// bitmap the size of that part, not of the whole window: a label that changes its text
// costs a few rows. (A picture stretched to a window not of its size is painted whole.)
// `over` draws with GDI in client coordinates (the canvas's window origin is moved for it).
void PaintSkinnedPart(HDC target, const RECT& update, const RECT& client, const SkinImage& background,
                      const std::function<void(HDC)>& over);

}  // namespace ko
