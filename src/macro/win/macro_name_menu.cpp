#include "macro/win/macro_name_menu.h"

#include <algorithm>
#include <oleacc.h>
#include <vector>
#include "skin/win/bmp_menu.h"
#include "skin/win/control_accessible.h"
#include "skin/win/gdi_objects.h"
#include "text/interface_text.h"

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
  const Text name = InterfaceText(u"MACROCOMMAND");
  SetAccessibleName(name);
  list_.SetAccessibleName(name);
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  return true;
}

bool CMacroNameMenu::Describe(AccessibleFacts& facts) const {
  facts.name = accessibleName();
  facts.role = ROLE_SYSTEM_DROPLIST;
  facts.state = WindowState(hwnd(), false);
  return true;
}

NameMenuKey CMacroNameMenu::OnKey(UINT key) {
  if (key == VK_ESCAPE) return NameMenuKey::Close;
  if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU) return NameMenuKey::Taken;
  const int count = list_.Count();
  const int lit = list_.Selected();
  const int last = count - 1;
  switch (key) {
    case VK_DOWN: LightRow(lit < 0 ? 0 : std::min(lit + 1, last)); return NameMenuKey::Taken;
    case VK_UP: LightRow(lit < 0 ? last : std::max(lit - 1, 0)); return NameMenuKey::Taken;
    case VK_HOME:
    case VK_PRIOR: LightRow(0); return NameMenuKey::Taken;
    case VK_END:
    case VK_NEXT: LightRow(last); return NameMenuKey::Taken;
    case VK_RETURN:
    case VK_SPACE:
      if (lit < 0) return NameMenuKey::Close;
      PostMessageW(owner_, kMacroNameChosenMessage, static_cast<WPARAM>(lit), 0);
      return NameMenuKey::Taken;
    default: break;
  }
  const bool letter = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
  if (!letter) return NameMenuKey::NotMine;
  std::vector<Text> names;
  for (int i = 0; i < count; ++i) names.push_back(list_.LineText(i));
  const int next = CBmpMenu::NextStartingWith(count, lit, static_cast<char16_t>(key),
                                              [&](int i) { return TextView(names[static_cast<size_t>(i)]); });
  if (next >= 0) LightRow(next);
  return NameMenuKey::Taken;
}

void CMacroNameMenu::LightRow(int row) {
  if (row < 0 || row >= list_.Count() || row == list_.Selected()) return;
  // The platform's own selection: it scrolls the row into view, draws it lit and is what
  // the list reports to assistive technology; unlike a click it tells nobody, so nothing
  // is chosen yet.
  list_.Select(row);
  NotifyAccessible(EVENT_OBJECT_SELECTION, list_.hwnd(), row + 1);
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
