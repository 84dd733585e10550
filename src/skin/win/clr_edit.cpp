#include "skin/win/clr_edit.h"

#include <oleacc.h>

#include "skin/win/control_accessible.h"

#include "text/interface_text.h"

namespace ko {

CClrEdit::CClrEdit()
    : font_(CreateFontW(13, 0, 0, 0, 500, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                        reinterpret_cast<const wchar_t*>(FaceName()))) {}

bool CClrEdit::Create(HWND parent, const RECT& rect, int id, DWORD style) {
  if (!CreateControl(L"EDIT", L"", WS_CHILD | WS_VISIBLE | style, 0, rect, parent, id)) return false;
  SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return true;
}

void CClrEdit::Repaint() {
  if (hwnd()) InvalidateRect(hwnd(), nullptr, TRUE);
}

bool CClrEdit::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_CTLCOLOREDIT && message != WM_CTLCOLORSTATIC) return false;
  HDC dc = reinterpret_cast<HDC>(wParam);
  brush_.reset(CreateSolidBrush(backgroundColour_));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, textColour_);
  SetBkColor(dc, backgroundColour_);
  SelectObject(dc, font_.get());
  result = reinterpret_cast<LRESULT>(brush_.get());
  return true;
}

LRESULT CClrEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kEditTimerId) {
    KillTimer(hwnd(), kEditTimerId);
    return 0;
  }
  const LRESULT result = Default(message, wParam, lParam);
  if (message == WM_KEYUP && hwnd())
    PostMessageW(GetParent(hwnd()), kEditKeyMessage, wParam, GetDlgCtrlID(hwnd()));
  return result;
}

bool CClrEdit::Describe(AccessibleFacts& facts) const {
  facts.name = accessibleName();
  facts.role = ROLE_SYSTEM_TEXT;
  facts.value = WindowText(hwnd());
  facts.state = WindowState(hwnd(), true);
  return true;
}

}  // namespace ko
