#include "assign/win/xshoot_dlg.h"

#include "assign/dialog_layouts.h"
#include "skin/menu_geometry.h"
#include "skin/win/clr_edit.h"

namespace ko {

namespace {

// The drop-down items' pictures: normal, over, down, disabled.
const char16_t* const kMenuPictures[] = {u"3menu_normal.png", u"1menu_over.png", u"1menu_down.png",
                                         u"1menu_normal.png"};

}  // namespace

CXShoot::CXShoot(SettingsRecord& working, int buttonIndex)
    : SkinDialog(xshootDialogLayout()),
      working_(working),
      profileIndex_(working.Profile),
      buttonIndex_(buttonIndex) {}

CXShoot::~CXShoot() { menu_.reset(); }

ButtonAssignment* CXShoot::Target() const {
  if (profileIndex_ < 0 || profileIndex_ >= kProfileCount) return nullptr;
  if (buttonIndex_ < 0 || buttonIndex_ >= kButtonCount) return nullptr;
  return &working_.Profiles[profileIndex_].ButtonAssigned[buttonIndex_];
}

void CXShoot::OnInitDialog() {
  XShootOpening opening;
  if (const ButtonAssignment* target = Target()) opening = XShootOpen(*target);
  trigger_ = opening.trigger;
  if (opening.showNumbers) {
    SetControlText(xshoot::kFirstField, decimal(opening.first));
    SetControlText(xshoot::kSecondField, decimal(opening.second));
  }
  ShowTrigger();
  // "Trigger" stands to the right of its field, where no label is looked for.
  const Text title = controls().caption(xshoot::kTriggerTitle);
  if (CClrEdit* field = controls().edit(xshoot::kTriggerField)) field->SetAccessibleName(title);
  if (CBitmapBtn* dropDown = controls().button(xshoot::kTriggerDropDown)) dropDown->SetAccessibleName(title);
}

void CXShoot::ShowTrigger() {
  settingText_ = true;
  SetControlText(xshoot::kTriggerField, trigger_.text);
  settingText_ = false;
  EnableWindow(Handle(xshoot::kTriggerField), trigger_.editable);
}

void CXShoot::OpenDropDown() {
  menu_.reset();
  auto menu = std::make_unique<CBmpMenu>(hwnd());
  const Text& folder = skinFolder();
  menu->SetItemImages(folder + kMenuPictures[0], folder + kMenuPictures[1], folder + kMenuPictures[2],
                      folder + kMenuPictures[3]);
  for (const ChoiceItem& item : kTriggerItems) menu->AddItem(item.text, item.identifier);
  const POINT at = DropDownPoint(xshoot::kTriggerDropDown);
  menu->SetPosition(at.x, at.y);
  if (menu->Create()) menu_ = std::move(menu);
}

void CXShoot::OnControlCommand(int index, int notification) {
  if (index == xshoot::kFirstField || index == xshoot::kSecondField) {
    if (notification == EN_CHANGE) OnNumberChanged(index);
    return;
  }
  if (index == xshoot::kTriggerField) {
    if (notification == EN_CHANGE && !settingText_) OnTriggerChanged();
    return;
  }
  if (notification != BN_CLICKED) return;
  // Any button closes a drop-down that is still open; its own button opens a new one.
  const bool wasOpen = menu_ != nullptr;
  menu_.reset();
  if (index == xshoot::kTriggerDropDown) {
    if (!wasOpen) OpenDropDown();
    return;
  }
  if (index == xshoot::kOk) {
    Confirm();
    return;
  }
  SkinDialog::OnControlCommand(index, notification);
}

void CXShoot::OnNumberChanged(int index) {
  if (auto replacement = ClampXShootNumber(FieldNumber(ControlText(index)))) {
    SetControlText(index, decimal(*replacement));
    // Keep the caret at the end, where the user was typing.
    SendMessageW(Handle(index), EM_SETSEL, 0x7FFF, 0x7FFF);
  }
}

void CXShoot::OnTriggerChanged() {
  if (trigger_.kind != TriggerKind::Keyboard) return;
  const Text typed = ControlText(xshoot::kTriggerField);
  if (typed.empty()) return;
  trigger_.code = XShootTriggerFromCharacter(typed[0]);
  // Show the key as it will be shown again, and select it so that the next key typed
  // replaces it in the one-character field.
  trigger_.text = XShootTriggerText(trigger_.code);
  ShowTrigger();
  SendMessageW(Handle(xshoot::kTriggerField), EM_SETSEL, 0, -1);
}

bool CXShoot::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message == kMenuChoiceMessage) {
    menu_.reset();
    trigger_ = XShootTriggerChoice(HighWord(static_cast<uint32_t>(lParam)), trigger_.code);
    ShowTrigger();
    if (trigger_.kind == TriggerKind::Keyboard) SetFocus(Handle(xshoot::kTriggerField));
    result = 0;
    return true;
  }
  if (message == WM_LBUTTONDOWN) {
    menu_.reset();  // a click beside the drop-down dismisses it
    result = 0;
    return true;
  }
  return false;
}

void CXShoot::OnReturnKey() {
  menu_.reset();
  Confirm();
}

void CXShoot::OnEscapeKey() {
  if (menu_) {
    menu_.reset();
    return;
  }
  EndDialog(kDialogCancel);
}

void CXShoot::OnDestroy() { menu_.reset(); }

void CXShoot::Confirm() {
  const int32_t first = FieldNumber(ControlText(xshoot::kFirstField));
  const int32_t second = FieldNumber(ControlText(xshoot::kSecondField));
  if (ButtonAssignment* target = Target()) StoreXShoot(*target, first, second, trigger_.code);
  EndDialog(kDialogOk);
}

}  // namespace ko
