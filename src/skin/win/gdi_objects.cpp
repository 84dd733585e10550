#include "skin/win/gdi_objects.h"

#include <algorithm>

namespace ko {

OffscreenCanvas::OffscreenCanvas(HDC target, int width, int height, bool copyTarget)
    : target_(target), width_(std::max(1, width)), height_(std::max(1, height)) {
  memory_ = CreateCompatibleDC(target);
  bitmap_ = CreateCompatibleBitmap(target, width_, height_);
  previous_ = SelectObject(memory_, bitmap_);
  if (copyTarget) BitBlt(memory_, 0, 0, width_, height_, target, 0, 0, SRCCOPY);
}

OffscreenCanvas::~OffscreenCanvas() {
  SelectObject(memory_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(memory_);
}

void OffscreenCanvas::Present(int x, int y) const {
  BitBlt(target_, x, y, width_, height_, memory_, 0, 0, SRCCOPY);
}

HBITMAP BitmapFromRows(const char* const* rows, int width, int height, const PixelColour* palette, int colours,
                       COLORREF fallback) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      COLORREF c = fallback;
      for (int i = 0; i < colours; ++i)
        if (palette[i].symbol == rows[y][x]) c = palette[i].colour;
      SetPixel(dc, x, y, c);
    }
  SelectObject(dc, previous);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

}  // namespace ko
