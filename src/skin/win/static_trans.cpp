#include "skin/win/static_trans.h"

#include <oleacc.h>

#include "skin/win/control_accessible.h"

#include "text/interface_text.h"

namespace ko {

bool CStaticTrans::Create(HWND parent, const RECT& rect, TextView text) {
  const Text caption(text);
  return CreateControl(L"STATIC", reinterpret_cast<const wchar_t*>(caption.c_str()),
                       WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE, 0, rect, parent, 0xFFFF);
}

void CStaticTrans::SetFont(int height, int weight, bool italic) {
  fontHeight_ = height;
  fontWeight_ = weight;
  italic_ = italic;
  font_.reset();
  Repaint();
}

void CStaticTrans::Repaint() {
  if (hwnd()) InvalidateRect(hwnd(), nullptr, TRUE);
}

void CStaticTrans::SetText(TextView text) {
  if (!hwnd()) return;
  const Text caption(text);
  // A hidden label shows no old text: its parent is painted again where it was when it
  // was hidden, and the page it belongs to is painted whole when it shows.
  if (!IsWindowVisible(hwnd())) {
    SetWindowTextW(hwnd(), reinterpret_cast<const wchar_t*>(caption.c_str()));
    return;
  }
  // The parent's picture must show through where the old text was.
  RECT area;
  GetWindowRect(hwnd(), &area);
  HWND parent = GetParent(hwnd());
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
  InvalidateRect(parent, &area, TRUE);
  SetWindowTextW(hwnd(), reinterpret_cast<const wchar_t*>(caption.c_str()));
}

bool CStaticTrans::OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  if (message != WM_CTLCOLORSTATIC) return false;
  HDC dc = reinterpret_cast<HDC>(wParam);
  brush_.reset();
  HBRUSH answer;
  if (backgroundColour_ == kTransparent) {
    if (!font_)
      font_.reset(CreateFontW(fontHeight_, 0, 0, 0, fontWeight_, italic_, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, 6 /* CLEARTYPE_NATURAL_QUALITY */, 14,
                              reinterpret_cast<const wchar_t*>(FaceName())));
    SelectObject(dc, font_.get());
    answer = static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
    SetBkMode(dc, TRANSPARENT);
  } else {
    brush_.reset(CreateSolidBrush(backgroundColour_));
    answer = brush_.get();
    SetBkColor(dc, backgroundColour_);
  }
  SetTextColor(dc, textColour_);
  result = reinterpret_cast<LRESULT>(answer);
  return true;
}

bool CStaticTrans::Describe(AccessibleFacts& facts) const {
  facts.name = accessibleName().empty() ? WindowText(hwnd()) : accessibleName();
  facts.role = ROLE_SYSTEM_STATICTEXT;
  facts.state = WindowState(hwnd(), false);
  // An empty label only keeps a place: there is nothing to read.
  if (facts.name.empty()) facts.state |= STATE_SYSTEM_INVISIBLE;
  return true;
}

}  // namespace ko
