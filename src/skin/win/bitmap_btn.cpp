#include "skin/win/bitmap_btn.h"

#include <windowsx.h>

#include <oleacc.h>

#include "skin/win/control_accessible.h"
#include "skin/win/focus_mark.h"
#include "skin/win/gdi_objects.h"
#include "text/interface_text.h"

namespace ko {

namespace {

// "Title: shown", or "Title shown" when the title ends with a colon; either alone when the
// other is empty.
Text TitledName(const Text& title, const Text& shown) {
  if (title.empty() || shown.empty()) return title.empty() ? shown : title;
  const bool colon = title.back() == u':' || title.back() == u'\uFF1A';
  return title + (colon ? u" " : u": ") + shown;
}

}  // namespace

bool CBitmapBtn::Create(HWND parent, const RECT& rect, int id) {
  return CreateControl(L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0, rect, parent, id);
}

void CBitmapBtn::SetImages(int x, int y, int width, int height, const SkinImage& normal, const SkinImage& over,
                           const SkinImage& down, const SkinImage& disabled) {
  normal_ = normal.Cut(x, y, width, height);
  over_ = over.Cut(x, y, width, height);
  down_ = down.Cut(x, y, width, height);
  disabled_ = disabled.Cut(x, y, width, height);
  if (hwnd()) {
    SetWindowLongPtrW(hwnd(), GWL_STYLE, GetWindowLongPtrW(hwnd(), GWL_STYLE) & ~WS_BORDER);
    InvalidateRect(hwnd(), nullptr, FALSE);
  }
}

void CBitmapBtn::SetCaption(TextView text, int leftOffset, int direction) {
  if (caption_ != text && accessibleName().empty()) NotifyAccessible(EVENT_OBJECT_NAMECHANGE, hwnd());
  caption_ = Text(text);
  leftOffset_ = leftOffset;
  direction_ = CaptionDirectionFrom(direction);
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void CBitmapBtn::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
  NotifyAccessible(EVENT_OBJECT_STATECHANGE, hwnd());
}

void CBitmapBtn::ShowHighlight(bool on) {
  SetHover(on);
  // A menu item a key walked to is where a screen reader should be.
  if (on) NotifyAccessible(EVENT_OBJECT_FOCUS, hwnd());
}

bool CBitmapBtn::Describe(AccessibleFacts& facts) const {
  facts.name = accessibleName().empty() ? TitledName(title_, caption_) : accessibleName();
  long role = role_ ? role_ : ROLE_SYSTEM_PUSHBUTTON;
  if (role == ROLE_SYSTEM_PUSHBUTTON && checkMode_) role = ROLE_SYSTEM_RADIOBUTTON;
  facts.role = role;
  const bool acts = role != ROLE_SYSTEM_STATICTEXT;
  facts.state = WindowState(hwnd(), acts);
  if (checked_) facts.state |= role == ROLE_SYSTEM_PUSHBUTTON ? STATE_SYSTEM_PRESSED : STATE_SYSTEM_CHECKED;
  if (role == ROLE_SYSTEM_BUTTONMENU) facts.state |= STATE_SYSTEM_HASPOPUP;
  if (hover_) facts.state |= STATE_SYSTEM_HOTTRACKED;
  return true;
}

bool CBitmapBtn::DoDefaultAction() {
  if (role_ == ROLE_SYSTEM_STATICTEXT || !IsWindowEnabled(hwnd())) return false;
  Press();
  return true;
}

void CBitmapBtn::SetTextRect(const RECT& rect, CaptionBox box) {
  textRect_ = rect;
  textBox_ = box;
}

const SkinImage& CBitmapBtn::Picture(ButtonFace face) const {
  switch (face) {
    case ButtonFace::Over: return over_;
    case ButtonFace::Down: return down_;
    case ButtonFace::Disabled: return disabled_;
    case ButtonFace::Normal: break;
  }
  return normal_;
}

bool CBitmapBtn::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message != WM_DRAWITEM) return false;
  Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  result = TRUE;
  return true;
}

void CBitmapBtn::Draw(const DRAWITEMSTRUCT& item) {
  const int width = item.rcItem.right - item.rcItem.left;
  const int height = item.rcItem.bottom - item.rcItem.top;
  ButtonDrawState state;
  state.checkMode = checkMode_;
  state.checked = checked_;
  state.selected = (item.itemState & ODS_SELECTED) != 0;
  state.disabled = (item.itemState & ODS_DISABLED) != 0;
  state.hover = hover_;
  const ButtonFace face = ChooseButtonFace(state);

  OffscreenCanvas canvas(item.hDC, width, height);
  Picture(face).DrawStretched(canvas.dc(), 0, 0, width, height);
  if (!caption_.empty()) DrawCaption(canvas.dc(), width, height, face);
  if (ShowsFocusMark(hwnd())) DrawFocusMark(canvas.dc(), RECT{0, 0, width, height});
  canvas.Present(item.rcItem.left, item.rcItem.top);
}

void CBitmapBtn::DrawCaption(HDC dc, int width, int height, ButtonFace face) {
  const int escapement = CaptionEscapement(direction_);
  FontObject font(CreateFontW(fontHeight_, 0, escapement, escapement, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS,
                              reinterpret_cast<const wchar_t*>(FaceName())));
  SelectedObject selected(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ButtonTextColour(face));
  const auto* text = reinterpret_cast<const wchar_t*>(caption_.c_str());
  const int length = static_cast<int>(caption_.size());
  if (textBox_ != CaptionBox::None) {
    const CaptionBoxFormat format = CaptionBoxFormatFor(textBox_);
    UINT flags = DT_END_ELLIPSIS | DT_NOCLIP | DT_VCENTER;
    if (format.wordWrap) flags |= DT_WORDBREAK;
    if (format.centreHorizontally) flags |= DT_CENTER;
    if (format.singleLine) flags |= DT_SINGLELINE;
    RECT box = textRect_;
    DrawTextW(dc, text, length, &box, flags);
    return;
  }
  SIZE extent{};
  GetTextExtentPoint32W(dc, text, length, &extent);
  const CaptionPoint at = PlaceCaption(width, height, extent.cx, extent.cy, direction_, leftOffset_);
  TextOutW(dc, at.x, at.y, text, length);
}

void CBitmapBtn::Press() {
  if (!hwnd() || !IsWindowEnabled(hwnd())) return;
  if (checkMode_) SetChecked(!checked_);
  // The platform's click notice, sent as the platform sends it, so the parent cannot tell
  // a key from a click.
  if (HWND parent = GetParent(hwnd()))
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd()), BN_CLICKED), reinterpret_cast<LPARAM>(hwnd()));
}

void CBitmapBtn::SetHover(bool hover) {
  if (hover_ == hover) return;
  hover_ = hover;
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void CBitmapBtn::OnMouseMove(WPARAM keys, LPARAM position) {
  if ((keys & MK_LBUTTON) && !hover_) return;
  POINT screen{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  ClientToScreen(hwnd(), &screen);
  HWND parent = GetParent(hwnd());
  if (GetCapture() != hwnd() && GetActiveWindow() && parent) {
    SetCapture(hwnd());
    SetHover(true);
  } else if (WindowFromPoint(screen) != hwnd()) {
    // The capture shows us the move onto the next window: hand the highlight over by
    // letting go, so that the next button's own move lights it.
    SetHover(false);
    if (!(keys & MK_LBUTTON)) ReleaseCapture();
  }
  if (parent) PostMessageW(parent, WM_MOUSEMOVE, keys, MAKELPARAM(screen.x, screen.y));
}

LRESULT CBitmapBtn::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: return TRUE;
    case WM_MOUSEMOVE: {
      const LRESULT result = Default(message, wParam, lParam);
      OnMouseMove(wParam, lParam);
      return result;
    }
    case WM_LBUTTONDBLCLK:
      // A quick second click is a second click, not a double click.
      return Default(WM_LBUTTONDOWN, wParam, lParam);
    case WM_LBUTTONUP:
      // The platform sends the click (WM_COMMAND with id and code 0) when a press that
      // started on the button ends on it, which it shows as the pushed state. A two-state
      // button turns over first, so its parent already sees the new state.
      if (checkMode_ && (SendMessageW(hwnd(), BM_GETSTATE, 0, 0) & BST_PUSHED)) {
        SetChecked(!checked_);
      }
      return Default(message, wParam, lParam);
    case WM_KEYDOWN:
      if (wParam != VK_SPACE && wParam != VK_RETURN) return Default(message, wParam, lParam);
      ShowFocusMarks();
      if (!(lParam & (1 << 30))) {  // a held key presses once
        pressingKey_ = static_cast<UINT>(wParam);
        Press();
        pressingKey_ = 0;
      }
      return 0;
    case WM_KEYUP:
      // The platform would click again on Space's release.
      if (wParam == VK_SPACE) return 0;
      return Default(message, wParam, lParam);
    case WM_CHAR: return 0;
    case WM_SETFOCUS: {
      const LRESULT result = Default(message, wParam, lParam);
      InvalidateRect(hwnd(), nullptr, FALSE);
      NotifyAccessible(EVENT_OBJECT_FOCUS, hwnd());
      return result;
    }
    case WM_KILLFOCUS: {
      const LRESULT result = Default(message, wParam, lParam);
      SetHover(false);
      InvalidateRect(hwnd(), nullptr, FALSE);
      return result;
    }
    case WM_CAPTURECHANGED:
      if (hover_ && reinterpret_cast<HWND>(lParam) != hwnd()) {
        // Without the capture the button cannot see the pointer leave: drop the highlight.
        hover_ = false;
        InvalidateRect(hwnd(), nullptr, FALSE);
      }
      return Default(message, wParam, lParam);
    default: return Default(message, wParam, lParam);
  }
}

}  // namespace ko
