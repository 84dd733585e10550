#include "skin/win/zarvo_custom_control.h"

#include <oleacc.h>

#include <algorithm>

#include "skin/win/control_accessible.h"

#include "skin/list_rules.h"
#include "skin/macro_display_layout.h"

namespace ko {

bool CZarvoCustomControl::Create(HWND parent, const RECT& rect, int id, DWORD style) {
  return CreateControl(RegisterCustomClass(L"KoCustomControl"), L"", style, 0, rect, parent, id);
}

HBITMAP MakePressChevronBitmap() {
  const PixelColour palette[] = {{'#', RGB(0, 0, 0)}};
  return BitmapFromRows(PressChevronRows(), kChevronWidth, kChevronHeight, palette, 1, RGB(255, 255, 255));
}

HBITMAP MakeReleaseChevronBitmap() {
  const PixelColour palette[] = {{'#', RGB(0, 0, 0)}};
  return BitmapFromRows(ReleaseChevronRows(), kChevronWidth, kChevronHeight, palette, 1, RGB(255, 255, 255));
}

HBITMAP MakeListIconBitmap(int id) {
  // Press: a yellow arrow down onto a bar; release: a green arrow up from it. The ground is
  // the list's dark panel colour.
  const COLORREF accent = id == kKeyReleaseIcon ? RGB(127, 181, 53) : RGB(255, 225, 0);
  const PixelColour palette[] = {{'#', RGB(200, 200, 200)}, {'+', accent}};
  if (id == kKeyPressIcon) return BitmapFromRows(KeyPressIconRows(), 16, 16, palette, 2, RGB(31, 35, 42));
  if (id == kKeyReleaseIcon) return BitmapFromRows(KeyReleaseIconRows(), 16, 16, palette, 2, RGB(31, 35, 42));
  return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 16, 16, 0));
}

bool CZarvoMacroDisplay::Create(HWND parent, const RECT& rect, int id) {
  if (!CZarvoCustomControl::Create(parent, rect, id)) return false;
  pressChevron_.reset(MakePressChevronBitmap());
  releaseChevron_.reset(MakeReleaseChevronBitmap());
  return true;
}

void CZarvoMacroDisplay::Repaint() {
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void CZarvoMacroDisplay::SetText(TextView text) {
  text_ = Text(text);
  Repaint();
}

void CZarvoMacroDisplay::SetHighlight(bool highlight) {
  highlight_ = highlight;
  Repaint();
}

void CZarvoMacroDisplay::Paint(HDC dc, int width, int height) {
  RECT all{0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SelectedObject font(dc, GetStockObject(ANSI_VAR_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);

  MacroDisplayMetrics m;
  m.clientWidth = width;
  m.fontHeight = metrics.tmHeight;
  m.characterWidth = [dc](char16_t c) {
    SIZE extent{};
    const wchar_t unit = static_cast<wchar_t>(c);
    GetTextExtentPoint32W(dc, &unit, 1, &extent);
    return static_cast<int>(extent.cx);
  };
  const MacroDisplayLayout layout = LayOutMacroDisplay(text_, m);

  if (highlight_) {
    BrushObject bar(CreateSolidBrush(RGB(127, 181, 53)));
    for (const PixelRect& r : layout.highlights) {
      RECT fill{r.left, r.top, r.right, r.bottom};
      FillRect(dc, &fill, bar.get());
    }
  }
  HDC pictures = CreateCompatibleDC(dc);
  for (const MacroPiece& piece : layout.pieces) {
    if (piece.kind == MacroPieceKind::Character) {
      const wchar_t unit = static_cast<wchar_t>(piece.character);
      TextOutW(dc, piece.x, piece.y, &unit, 1);
      continue;
    }
    HBITMAP chevron = piece.kind == MacroPieceKind::PressChevron ? pressChevron_.get() : releaseChevron_.get();
    HGDIOBJ previous = SelectObject(pictures, chevron);
    // Black lines on white: AND keeps a highlight bar visible behind the chevron.
    const int top = piece.y + (layout.lineHeight - kChevronHeight) / 2;
    BitBlt(dc, piece.x, top, kChevronWidth, kChevronHeight, pictures, 0, 0, SRCAND);
    SelectObject(pictures, previous);
  }
  DeleteDC(pictures);
}

LRESULT CZarvoMacroDisplay::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      RECT client;
      GetClientRect(hwnd(), &client);
      {
        OffscreenCanvas canvas(dc, client.right, client.bottom, false);
        Paint(canvas.dc(), client.right, client.bottom);
        canvas.Present();
      }
      EndPaint(hwnd(), &ps);
      return 0;
    }
    default: return Default(message, wParam, lParam);
  }
}

bool CZarvoCustomControl::Describe(AccessibleFacts& facts) const {
  facts.name = accessibleName();
  facts.role = accessibleRole();
  facts.value = accessibleValue();
  facts.state = WindowState(hwnd(), false);
  return true;
}

long CZarvoCustomControl::accessibleRole() const { return ROLE_SYSTEM_STATICTEXT; }

}  // namespace ko
