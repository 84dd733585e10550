// Owners for GDI objects and an off-screen canvas: every handle has exactly one owner that
// frees it, and none of these can be copied.
#pragma once
#include <windows.h>

namespace ko {

template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle h) : handle_(h) {}
  ~GdiObject() { reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  GdiObject(GdiObject&& other) noexcept : handle_(other.release()) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void reset(Handle h = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = h;
  }
  Handle release() {
    Handle h = handle_;
    handle_ = nullptr;
    return h;
  }

 private:
  Handle handle_ = nullptr;
};

using BitmapObject = GdiObject<HBITMAP>;
using FontObject = GdiObject<HFONT>;
using BrushObject = GdiObject<HBRUSH>;

// Selects an object into a device context for one scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectedObject() {
    if (previous_) SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A memory device context with a bitmap compatible with the target. It starts as a copy of
// what the target shows, so whatever a painter leaves untouched stays as it was; Present()
// copies the whole canvas to the target in one step.
class OffscreenCanvas {
 public:
  OffscreenCanvas(HDC target, int width, int height, bool copyTarget = true);
  ~OffscreenCanvas();
  OffscreenCanvas(const OffscreenCanvas&) = delete;
  OffscreenCanvas& operator=(const OffscreenCanvas&) = delete;

  HDC dc() const { return memory_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void Present(int x = 0, int y = 0) const;

 private:
  HDC target_;
  HDC memory_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  int width_, height_;
};

// A 24-bit bitmap made from rows of characters, one pixel each, with a colour per character.
struct PixelColour {
  char symbol;
  COLORREF colour;
};
HBITMAP BitmapFromRows(const char* const* rows, int width, int height, const PixelColour* palette, int colours,
                       COLORREF fallback);

}  // namespace ko
