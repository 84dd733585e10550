#include "macro/win/macro_name_menu.h"

#include <algorithm>
#include "skin/win/gdi_objects.h"

namespace ko {
namespace {

CMacroNameMenu* g_openPopup = nullptr;
constexpr int kFallbackWidth = 121;  // the field's width, should the picture be missing

}  // namespace

int MacroNameMenuHeight(size_t macroCount) {
  const int rows = static_cast<int>(std::min<size_t>(macroCount, kMacroNameMenuMaxRows));
  return rows * kMacroNameRowHeight + 2;
}

CMacroNameMenu::~CMacroNameMenu() {
  if (g_openPopup == this) g_openPopup = nullptr;
  Destroy();
}

bool CMacroNameMenu::Create(const MacroList& macros, TextView skinFolder) {
  if (g_openPopup && g_openPopup != this) g_openPopup->Destroy();
  rows_ = static_cast<int>(std::min<size_t>(macros.size(), kMacroNameMenuMaxRows));
  background_ = SkinImage::Load(Text(skinFolder) + u"macro_menu_n.jpg");
  width_ = background_.width() > 2 ? background_.width() : kFallbackWidth;
  const int height = MacroNameMenuHeight(macros.size());
  const RECT rect{x_, y_, x_ + width_, y_ + height};
  if (!CreateControl(RegisterCustomClass(L"KoMacroNameMenu"), L"", WS_POPUP, WS_EX_TOOLWINDOW, rect, owner_, 0))
    return false;
  g_openPopup = this;
  const RECT listRect{1, 1, width_ - 1, rows_ * kMacroNameRowHeight + 1};
  if (list_.Create(hwnd(), listRect, kMacroNameListId)) {
    list_.SetColors(Rgb(0, 0, 0), Rgb(222, 222, 0));
    list_.SetTextColors(Rgb(255, 255, 255), Rgb(255, 255, 255));
    for (const Text& name : macros.names()) list_.AddLine(name, 0);
  }
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  return true;
}

void CMacroNameMenu::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  RECT client;
  GetClientRect(hwnd(), &client);
  if (client.right > 0 && client.bottom > 0) {
    OffscreenCanvas canvas(dc, client.right, client.bottom, false);
    FillRect(canvas.dc(), &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    background_.DrawPart(canvas.dc(), 0, 0, client.right, client.bottom);
    // The yellow edge on the bottom and the right closes the list off against the page.
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, Rgb(255, 255, 0)));
    {
    SelectedObject selected(canvas.dc(), pen.get());
    const int bottom = rows_ * kMacroNameRowHeight + 1;
    MoveToEx(canvas.dc(), 0, bottom, nullptr);
    LineTo(canvas.dc(), width_, bottom);
    MoveToEx(canvas.dc(), width_ - 1, 1, nullptr);
    LineTo(canvas.dc(), width_ - 1, bottom);
    }
    canvas.Present();
  }
  EndPaint(hwnd(), &ps);
}

LRESULT CMacroNameMenu::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT reflected = 0;
  if (ReflectToControl(hwnd(), message, wParam, lParam, &reflected)) return reflected;
  switch (message) {
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: Paint(); return 0;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == list_.hwnd() &&
          (HIWORD(wParam) == LBN_SELCHANGE || HIWORD(wParam) == LBN_DBLCLK)) {
        const int row = list_.Selected();
        if (row >= 0) PostMessageW(owner_, kMacroNameChosenMessage, static_cast<WPARAM>(row), 0);
        return 0;
      }
      return 0;
    case WM_DESTROY:
      if (g_openPopup == this) g_openPopup = nullptr;
      break;
    default: break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace ko
