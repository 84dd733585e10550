#include "assign/win/key_ex_dlg.h"

#include "assign/dialog_layouts.h"
#include "text/interface_text.h"

namespace ko {

namespace {

bool KeyMessageOf(UINT message, KeyMessage& kind) {
  switch (message) {
    case WM_KEYDOWN: kind = KeyMessage::KeyDown; return true;
    case WM_KEYUP: kind = KeyMessage::KeyUp; return true;
    case WM_SYSKEYDOWN: kind = KeyMessage::SysKeyDown; return true;
    case WM_SYSKEYUP: kind = KeyMessage::SysKeyUp; return true;
    default: return false;
  }
}

}  // namespace

bool CBaseKeyPressDlg::PreTranslateMessage(MSG& message) {
  KeyMessage kind;
  if (KeyMessageOf(message.message, kind) && (message.hwnd == hwnd() || IsChild(hwnd(), message.hwnd))) {
    const int before = capture_.count();
    const bool started = capture_.started();
    const uint32_t flags = HIWORD(message.lParam);
    const bool consumed = capture_.Filter(kind, static_cast<uint32_t>(message.wParam), flags);
    // The display follows every change of the list, also the first event emptying it.
    if (capture_.count() != before || capture_.started() != started) RefreshDisplay();
    if (consumed) return true;
  }
  // Enter and Escape are captured like any key; they do not close the dialog.
  return SkinDialog::PreTranslateMessage(message);
}

CKeyExDlg::CKeyExDlg(SettingsRecord& working, int buttonIndex)
    : CBaseKeyPressDlg(singleKeyDialogLayout(), false, u"Key capture"),
      working_(working),
      profileIndex_(working.Profile),
      buttonIndex_(buttonIndex) {}

ButtonAssignment* CKeyExDlg::Target() const {
  if (profileIndex_ < 0 || profileIndex_ >= kProfileCount) return nullptr;
  if (buttonIndex_ < 0 || buttonIndex_ >= kButtonCount) return nullptr;
  return &working_.Profiles[profileIndex_].ButtonAssigned[buttonIndex_];
}

bool CKeyExDlg::UsesControl(int index) const {
  return index == single_key::kOk || index == single_key::kCancel || index == single_key::kClose ||
         index == single_key::kKeyDisplay || index == single_key::kKeyPrompt;
}

void CKeyExDlg::OnInitDialog() {
  if (const ButtonAssignment* target = Target()) capture_.Load(*target);
  const PixelRect& r = layout().controls[single_key::kKeyDisplay].rect;
  display_.Create(hwnd(), RECT{r.left, r.top, r.right, r.bottom}, 0);
  display_.SetAccessibleName(InterfaceText(u"NAMEKEYS"));
  controls().AddOwnWindow(single_key::kKeyDisplay, display_.hwnd());
  RefreshDisplay();
}

void CKeyExDlg::OnControlCommand(int index, int notification) {
  if (notification != BN_CLICKED) return;
  if (index == single_key::kOk) {
    if (ButtonAssignment* target = Target()) capture_.Store(*target);
    EndDialog(kDialogOk);
    return;
  }
  SkinDialog::OnControlCommand(index, notification);
}

void CKeyExDlg::RefreshDisplay() {
  if (display_.hwnd()) display_.SetText(capture_.DisplayText());
}

}  // namespace ko
