// CZarvoCustomControl, the base of custom-drawn controls, and CZarvoMacroDisplay, the key
// display of the key capture dialog: keys as text with chevrons for press and release.
#pragma once
#include "platform/wide_text.h"
#include "skin/win/gdi_objects.h"
#include "skin/win/skin_control.h"

namespace ko {

class CZarvoCustomControl : public SkinControl {
 public:
  bool Create(HWND parent, const RECT& rect, int id, DWORD style = WS_CHILD | WS_VISIBLE);
  // Named by its page; a display's text is its value.
  bool Describe(AccessibleFacts& facts) const override;

 protected:
  virtual long accessibleRole() const;
  virtual Text accessibleValue() const { return Text(); }
};

class CZarvoMacroDisplay : public CZarvoCustomControl {
 public:
  bool Create(HWND parent, const RECT& rect, int id);
  void SetText(TextView text);
  void SetHighlight(bool highlight);
  const Text& text() const { return text_; }

 protected:
  Text accessibleValue() const override { return text_; }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC dc, int width, int height);
  void Repaint();
  Text text_;
  bool highlight_ = false;
  BitmapObject pressChevron_, releaseChevron_;
};

// The small program bitmaps: the two chevrons (9 x 8) and the list icons 148 and 149
// (16 x 16). Each call makes a new bitmap for the caller to own.
HBITMAP MakePressChevronBitmap();
HBITMAP MakeReleaseChevronBitmap();
HBITMAP MakeListIconBitmap(int id);

}  // namespace ko
