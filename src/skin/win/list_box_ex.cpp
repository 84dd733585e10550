#include "skin/win/list_box_ex.h"

#include <oleacc.h>
#include <windowsx.h>

#include <algorithm>

#include "skin/win/control_accessible.h"

#include "skin/win/zarvo_custom_control.h"
#include "text/interface_text.h"

namespace ko {
namespace {

HWND g_notifyWindow = nullptr;

}  // namespace

HWND ListNotifyWindow() { return g_notifyWindow; }

CListBoxEx::CListBoxEx()
    : background_(CreateSolidBrush(Rgb(31, 35, 42))),
      font_(CreateFontW(14, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, 6, 14, reinterpret_cast<const wchar_t*>(FaceName()))) {}

bool CListBoxEx::Create(HWND parent, const RECT& rect, int id) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS |
                      LBS_NOINTEGRALHEIGHT;
  if (!CreateControl(L"LISTBOX", L"", style, 0, rect, parent, id)) return false;
  pressIcon_.reset(MakeListIconBitmap(kKeyPressIcon));
  releaseIcon_.reset(MakeListIconBitmap(kKeyReleaseIcon));
  return true;
}

void CListBoxEx::SetColors(Colour background, Colour highlight) {
  background_.reset(CreateSolidBrush(background));
  highlight_ = highlight;
  if (hwnd()) InvalidateRect(hwnd(), nullptr, TRUE);
}

void CListBoxEx::SetTextColors(Colour text, Colour selectedText) {
  text_ = text;
  selectedText_ = selectedText;
  if (hwnd()) InvalidateRect(hwnd(), nullptr, TRUE);
}

void CListBoxEx::SetNotifyWindow(HWND window) {
  notifyWindow_ = window;
  g_notifyWindow = window;
}

void CListBoxEx::SetSecondFont(HFONT font, bool use) {
  secondFont_ = font;
  useSecondFont_ = use && font;
}

int CListBoxEx::AddLine(TextView text, int32_t itemData) {
  const Text line(text);
  const int index = static_cast<int>(SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str())));
  if (index >= 0) SendMessageW(hwnd(), LB_SETITEMDATA, index, itemData);
  return index;
}

int CListBoxEx::InsertLine(int index, TextView text, int32_t itemData) {
  const Text line(text);
  const int at =
      static_cast<int>(SendMessageW(hwnd(), LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(line.c_str())));
  if (at >= 0) SendMessageW(hwnd(), LB_SETITEMDATA, at, itemData);
  return at;
}

void CListBoxEx::Select(int index) { SendMessageW(hwnd(), LB_SETCURSEL, index, 0); }
int CListBoxEx::Selected() const { return static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0)); }
int CListBoxEx::Count() const { return static_cast<int>(SendMessageW(hwnd(), LB_GETCOUNT, 0, 0)); }

bool CListBoxEx::Describe(AccessibleFacts& facts) const {
  facts.name = accessibleName();
  facts.role = ROLE_SYSTEM_LIST;
  facts.state = WindowState(hwnd(), true);
  const int count = Count();
  for (int i = 0; i < count; ++i) facts.items.push_back(LineText(i));
  facts.selectedItem = Selected();
  return true;
}

Text CListBoxEx::LineText(int index) const {
  const LRESULT length = SendMessageW(hwnd(), LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR || length < 0) return {};
  Text text(static_cast<size_t>(length) + 1, u'\0');
  const LRESULT copied = SendMessageW(hwnd(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

int32_t CListBoxEx::LineData(int index) const {
  if (index < 0 || index >= Count()) return kNoLineData;
  return static_cast<int32_t>(SendMessageW(hwnd(), LB_GETITEMDATA, index, 0));
}

int CListBoxEx::LineAt(LPARAM clientPosition) const {
  const LRESULT hit = SendMessageW(hwnd(), LB_ITEMFROMPOINT, 0, clientPosition);
  // The high word says the point lies below the last line.
  if (HIWORD(hit) != 0) return -1;
  return static_cast<int>(LOWORD(hit));
}

void CListBoxEx::Post(const ListNotice& notice) {
  HWND to = notice.to == ListReceiver::NotifyWindow ? notifyWindow_ : GetParent(hwnd());
  if (to) PostMessageW(to, notice.message, notice.wParam, notice.lParam);
}

void CListBoxEx::RepaintLine(int index) {
  RECT r;
  if (index >= 0 && SendMessageW(hwnd(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)) != LB_ERR)
    InvalidateRect(hwnd(), &r, TRUE);
}

void CListBoxEx::CommitDelayEdit() {
  wchar_t buffer[200] = {};
  GetWindowTextW(delayEdit_, buffer, 200);
  const Text line = DelayLineText(TextView(reinterpret_cast<const char16_t*>(buffer)));
  const int index = editedLine_;
  SendMessageW(hwnd(), LB_DELETESTRING, index, 0);
  InsertLine(index, line, kNoIcon);
  // The owner made the edit; the list only closes it.
  ShowWindow(delayEdit_, SW_HIDE);
  delayEdit_ = nullptr;
  editedLine_ = -1;
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void CListBoxEx::OnLeftDown(LPARAM position) {
  // Taking the focus is what commits an open insert edit (see WM_SETFOCUS).
  if (GetFocus() != hwnd()) SetFocus(hwnd());
  const int hit = LineAt(position);
  const LeftPressPlan plan = PlanLeftPress(locked_, hit, Selected(), delayEdit_ ? editedLine_ : -1);
  if (plan.ignore) return;
  if (plan.commitEdit) CommitDelayEdit();
  Select(hit);
  if (auto notice = ClickNotice(kListLeftClickMessage, hit, LineData(hit), notifyWindow_ != nullptr)) Post(*notice);
  // The press is handled here instead of by the platform's list, which would have told the
  // parent that the selection changed; owners such as the macro-name popup wait for that.
  NotifyParent(LBN_SELCHANGE);
}

LPARAM CListBoxEx::LinePoint(int index) {
  RECT line{}, client{};
  GetClientRect(hwnd(), &client);
  SendMessageW(hwnd(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&line));
  if (line.top < client.top || line.bottom > client.bottom) {
    SendMessageW(hwnd(), LB_SETTOPINDEX, index, 0);
    SendMessageW(hwnd(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&line));
  }
  return MAKELPARAM((line.left + line.right) / 2, (line.top + line.bottom) / 2);
}

bool CListBoxEx::OnKey(WPARAM key) {
  const int count = Count();
  const int selected = Selected();
  const bool menuKey = key == VK_APPS || (key == VK_F10 && GetKeyState(VK_SHIFT) < 0);
  if (key != VK_UP && key != VK_DOWN && key != VK_RETURN && !menuKey) return false;
  if (count == 0) return true;
  if (key == VK_UP || key == VK_DOWN) {
    const int step = key == VK_DOWN ? 1 : -1;
    const int line = selected < 0 ? 0 : std::clamp(selected + step, 0, count - 1);
    if (line == selected) return true;
    const LPARAM at = LinePoint(line);
    SendMessageW(hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(hwnd(), WM_LBUTTONUP, 0, at);
    return true;
  }
  if (selected < 0) return true;
  const LPARAM at = LinePoint(selected);
  if (menuKey) {
    SendMessageW(hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, at);
    SendMessageW(hwnd(), WM_RBUTTONUP, 0, at);
  } else {
    SendMessageW(hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  }
  return true;
}

void CListBoxEx::NotifyParent(WORD code) {
  if ((GetWindowLongPtrW(hwnd(), GWL_STYLE) & LBS_NOTIFY) == 0) return;
  SendMessageW(GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd()), code), reinterpret_cast<LPARAM>(hwnd()));
}

void CListBoxEx::OnMouseMove(LPARAM position) {
  if (!leaveArmed_) {
    TRACKMOUSEEVENT track = {};
    track.cbSize = sizeof track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = hwnd();
    leaveArmed_ = TrackMouseEvent(&track) != FALSE;
  }
  if (delayEdit_ || insertEdit_) return;
  const int line = LineAt(position);
  if (line == hotLine_) return;
  RepaintLine(hotLine_);
  hotLine_ = line;
  RepaintLine(hotLine_);
}

void CListBoxEx::OnFocusFromInsertEdit() {
  wchar_t buffer[8192] = {};
  GetWindowTextW(insertEdit_, buffer, 8192);
  const TextView text(reinterpret_cast<const char16_t*>(buffer));
  if (insertPosition_ < 0) AddLine(text, kNoIcon);
  else InsertLine(insertPosition_, text, kNoIcon);
  insertPosition_ = 0;
  ShowWindow(insertEdit_, SW_HIDE);
  insertEdit_ = nullptr;
}

void CListBoxEx::DrawLine(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  bool hot = false;
  if (!selectionMode_) {
    POINT pointer;
    GetCursorPos(&pointer);
    ScreenToClient(hwnd(), &pointer);
    hot = PtInRect(&r, pointer) && static_cast<int>(item.itemID) == hotLine_;
  }
  const LineLook look = LookOfLine(selectionMode_, selected, hot);
  BrushObject highlight(CreateSolidBrush(highlight_));
  FillRect(dc, &r, look.highlighted ? highlight.get() : background_.get());

  COLORREF colour = look.selectedText ? selectedText_ : text_;
  if (item.itemState & ODS_DISABLED) colour = GetSysColor(COLOR_BTNSHADOW);
  SetTextColor(dc, colour);
  SetBkMode(dc, TRANSPARENT);
  SelectedObject font(dc, useSecondFont_ ? secondFont_ : font_.get());

  const Text text = LineText(static_cast<int>(item.itemID));
  const int32_t data = static_cast<int32_t>(item.itemData);
  const LineLayout layout = LayOutLine(data, indent_);
  if (layout.drawIcon) {
    BitmapObject loaded;
    HBITMAP icon = data == kKeyPressIcon ? pressIcon_.get() : data == kKeyReleaseIcon ? releaseIcon_.get() : nullptr;
    if (!icon) {
      loaded.reset(MakeListIconBitmap(data));
      icon = loaded.get();
    }
    if (icon) {
      HDC pictures = CreateCompatibleDC(dc);
      HGDIOBJ previous = SelectObject(pictures, icon);
      BitBlt(dc, r.left + layout.iconX, r.top + (r.bottom - r.top - kListIconSize) / 2, kListIconSize, kListIconSize,
             pictures, 0, 0, SRCCOPY);
      SelectObject(pictures, previous);
      DeleteDC(pictures);
    }
  }
  RECT textBox{r.left + layout.textX, r.top, r.right, r.bottom};
  DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()), &textBox,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

bool CListBoxEx::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_DRAWITEM: DrawLine(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); result = TRUE; return true;
    case WM_MEASUREITEM:
      reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kListLineHeight;
      result = TRUE;
      return true;
    case WM_CTLCOLORLISTBOX:
      if (!IsWindowEnabled(hwnd())) {
        disabledBrush_.reset(CreateSolidBrush(GetSysColor(COLOR_INACTIVEBORDER)));
        result = reinterpret_cast<LRESULT>(disabledBrush_.get());
      } else {
        result = reinterpret_cast<LRESULT>(background_.get());
      }
      return true;
    default: return false;
  }
}

LRESULT CListBoxEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE: OnMouseMove(lParam); return Default(message, wParam, lParam);
    case WM_MOUSELEAVE:
      leaveArmed_ = false;
      if (!delayEdit_ && !insertEdit_) {
        RepaintLine(hotLine_);
        hotLine_ = -1;
      }
      return 0;
    case WM_LBUTTONDOWN: OnLeftDown(lParam); return 0;
    case WM_LBUTTONDBLCLK: {
      if (locked_) return 0;
      const int line = LineAt(lParam);
      if (auto notice = DoubleClickNotice(line, LineData(line))) Post(*notice);
      if (line >= 0) NotifyParent(LBN_DBLCLK);
      return 0;
    }
    case WM_RBUTTONUP: {
      const int line = LineAt(lParam);
      if (auto notice =
              RightReleaseNotice(locked_, rightClickReportingOff_, line, LineData(line), notifyWindow_ != nullptr)) {
        Select(line);
        Post(*notice);
      }
      return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (delayEdit_) return SendMessageW(delayEdit_, message, wParam, lParam);
      if (OnKey(wParam)) return 0;
      // Other keys would move the platform's selection without the click's notices.
      return message == WM_SYSKEYDOWN ? Default(message, wParam, lParam) : 0;
    case WM_KEYUP:
    case WM_CHAR:
      if (delayEdit_) return SendMessageW(delayEdit_, message, wParam, lParam);
      return 0;
    case WM_SETFOCUS:
      if (insertEdit_ && reinterpret_cast<HWND>(wParam) == insertEdit_) OnFocusFromInsertEdit();
      return Default(message, wParam, lParam);
    case WM_KILLFOCUS: return 0;
    case WM_ENABLE: InvalidateRect(hwnd(), nullptr, TRUE); return Default(message, wParam, lParam);
    default: return Default(message, wParam, lParam);
  }
}

}  // namespace ko
