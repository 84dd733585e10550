#include "skin/win/skin_dialog.h"

#include "platform/timing_trace.h"
#include "skin/dialog_entries.h"
#include "skin/dialog_title.h"
#include "skin/skin_files.h"
#include "skin/win/focus_mark.h"
#include "skin/win/gdi_objects.h"
#include "skin/win/keyboard_focus.h"
#include "skin/win/skinned_paint.h"
#include "text/interface_text.h"

namespace ko {

namespace {

const wchar_t kDialogClass[] = L"KocfgSkinDialog";

const wchar_t* W(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

}  // namespace

SkinDialog::SkinDialog(const WindowLayout& layout, const char16_t* title)
    : layout_(layout), title_(dialogWindowTitle(layout, title)) {}

SkinDialog::~SkinDialog() { Destroy(); }

bool SkinDialog::UsesControl(int) const { return true; }

int SkinDialog::DoModal(HWND owner) {
  if (running_ || hwnd()) return -1;
  owner_ = owner;
  if (skinFolder_.empty()) skinFolder_ = SkinFolder(ProgramFolder());
  HWND window = CreateWindowExW(0, RegisterCustomClass(kDialogClass, CS_DBLCLKS), W(title_), WS_POPUP, 0, 0,
                                layout_.width, layout_.height, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window) return -1;
  if (!Attach(window)) {
    DestroyWindow(window);
    return -1;
  }
  result_ = kDialogCancel;
  running_ = true;
  Build();
  OnInitDialog();

  // The owner takes no input while the dialog runs; it is enabled again before the dialog
  // goes away, so that it becomes the active window once more.
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  if (running_) {
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    UpdateWindow(hwnd());
    // Keys go to the dialog itself unless it gave the focus to one of its fields.
    HWND focus = GetFocus();
    if (focus != hwnd() && !IsChild(hwnd(), focus)) SetFocus(hwnd());
  }

  MSG message;
  while (running_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // A quit request is for the program's own loop: pass it on and give up the dialog.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      EndDialog(kDialogCancel);
      break;
    }
    if (PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  if (owner) SetActiveWindow(owner);
  if (hwnd()) DestroyWindow(hwnd());
  owner_ = nullptr;
  return result_;
}

void SkinDialog::EndDialog(int result) {
  result_ = result;
  running_ = false;
}

bool SkinDialog::Build() {
  controls_.Build(hwnd(), layout_, skinFolder_);
  // The window is exactly its background picture; without one it keeps the table's size
  // so that its controls stay reachable.
  const SkinImage& main = controls_.background();
  const int width = main.empty() ? layout_.width : main.width();
  const int height = main.empty() ? layout_.height : main.height();
  MoveWindow(hwnd(), 0, 0, width, height, FALSE);
  const int count = static_cast<int>(layout_.controls.size());
  for (int i = 0; i < count; ++i) controls_.SetShown(i, UsesControl(i));
  if (CBitmapBtn* close = controls_.button(dialog_common::kClose); close && close->caption().empty())
    close->SetAccessibleName(InterfaceText(u"NAMECLOSE"));
  controls_.ShowPage(true);
  return !main.empty();
}

void SkinDialog::OnControlCommand(int index, int notification) {
  if (notification != BN_CLICKED) return;
  if (index == 0) EndDialog(kDialogOk);
  if (index == 1 || index == 2) EndDialog(kDialogCancel);
}

bool SkinDialog::PreTranslateMessage(MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  if (CBmpMenu* menu = OpenMenu()) {
    // The menu has the activation: its keys come from its own window.
    ShowFocusMarks();
    const bool choosing = message.wParam == VK_RETURN || message.wParam == VK_SPACE;
    if (message.wParam == VK_ESCAPE) {
      OnEscapeKey();
      return true;
    }
    if (!choosing || menu->keyItem() >= 0) {
      menu->OnKey(static_cast<UINT>(message.wParam));
      return true;
    }
  }
  if (message.hwnd != hwnd() && !IsChild(hwnd(), message.hwnd)) return false;
  if (message.wParam == VK_TAB) return MoveFocusByKey(controls_, {}, VK_TAB, GetKeyState(VK_SHIFT) < 0);
  if (message.wParam == VK_RETURN) {
    const int focused = FocusedControl(controls_);
    if (focused >= 0 && controls_.button(focused)) return false;  // the button presses itself
    ShowFocusMarks();
    OnReturnKey();
    return true;
  }
  if (message.wParam == VK_ESCAPE) {
    OnEscapeKey();
    return true;
  }
  return false;
}

void SkinDialog::OnReturnKey() {
  if (CBitmapBtn* ok = controls_.button(dialog_common::kOk); ok && UsesControl(dialog_common::kOk)) ok->Press();
}

void SkinDialog::OnEscapeKey() {
  CBitmapBtn* cancel = controls_.button(dialog_common::kCancel);
  if (cancel && UsesControl(dialog_common::kCancel)) {
    cancel->Press();
    return;
  }
  EndDialog(kDialogCancel);
}

bool SkinDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

Text SkinDialog::ControlText(int index) const {
  HWND control = Handle(index);
  if (!control) return Text();
  const int length = GetWindowTextLengthW(control);
  Text text(static_cast<size_t>(length) + 1, u'\0');
  const int got = GetWindowTextW(control, reinterpret_cast<wchar_t*>(text.data()), length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

void SkinDialog::SetControlText(int index, TextView text) {
  if (CStaticTrans* label = controls_.label(index)) {
    label->SetText(text);
    return;
  }
  HWND control = Handle(index);
  if (control) SetWindowTextW(control, W(Text(text)));
}

POINT SkinDialog::DropDownPoint(int index) const {
  POINT p{0, 0};
  HWND control = Handle(index);
  if (!control) return p;
  RECT r{};
  GetWindowRect(control, &r);
  return POINT{r.left, r.bottom};
}

void SkinDialog::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  RECT client;
  GetClientRect(hwnd(), &client);
  PaintSkinnedPart(dc, ps.rcPaint, client, controls_.background(), [this](HDC canvas) { PaintOver(canvas); });
  EndPaint(hwnd(), &ps);
  trace::Painted(layout_.name);
}

LRESULT SkinDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT reflected = 0;
  if (ReflectToControl(hwnd(), message, wParam, lParam, &reflected)) return reflected;
  switch (message) {
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: Paint(); return 0;
    case WM_COMMAND: {
      const int index = IndexOf(reinterpret_cast<HWND>(lParam));
      if (index >= 0) OnControlCommand(index, HIWORD(wParam));
      return 0;
    }
    case WM_CLOSE: EndDialog(kDialogCancel); return 0;
    case WM_DESTROY:
      OnDestroy();
      running_ = false;
      return Default(message, wParam, lParam);
    default: break;
  }
  LRESULT result = 0;
  if (OnMessage(message, wParam, lParam, result)) return result;
  return Default(message, wParam, lParam);
}

}  // namespace ko
