#include "skin/win/focus_mark.h"

#include "skin/win/gdi_objects.h"

namespace ko {

namespace {

// One window thread, one program: the marks are the program's state, not a window's.
bool marksShown = false;

constexpr COLORREF kAccent = RGB(0xFF, 0xE1, 0x00);
constexpr COLORREF kRim = RGB(0x15, 0x17, 0x1B);

bool HighContrast() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON);
}

void Frame(HDC dc, RECT box, int inset, int thickness, COLORREF colour) {
  BrushObject brush(CreateSolidBrush(colour));
  InflateRect(&box, -inset, -inset);
  for (int k = 0; k < thickness && box.right > box.left && box.bottom > box.top; ++k) {
    FrameRect(dc, &box, brush.get());
    InflateRect(&box, -1, -1);
  }
}

}  // namespace

bool FocusMarksShown() { return marksShown; }

void ShowFocusMarks() {
  if (marksShown) return;
  marksShown = true;
  if (HWND focused = GetFocus()) InvalidateRect(focused, nullptr, FALSE);
}

bool ShowsFocusMark(HWND control) { return marksShown && control && GetFocus() == control; }

void DrawFocusMark(HDC dc, const RECT& box) {
  if (HighContrast()) {
    Frame(dc, box, 0, 2, GetSysColor(COLOR_HIGHLIGHT));
    Frame(dc, box, 2, 1, GetSysColor(COLOR_HIGHLIGHTTEXT));
    return;
  }
  Frame(dc, box, 0, 1, kRim);
  Frame(dc, box, 1, 2, kAccent);
  Frame(dc, box, 3, 1, kRim);
}

}  // namespace ko
