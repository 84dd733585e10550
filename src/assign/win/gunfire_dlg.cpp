#include "assign/win/gunfire_dlg.h"

#include "assign/dialog_layouts.h"
#include "skin/win/clr_edit.h"
#include "skin/win/png_hslider.h"
#include "text/interface_text.h"

namespace ko {

CGunfireDlg::CGunfireDlg(SettingsRecord& working, int buttonIndex)
    : SkinDialog(gunfireDialogLayout()),
      working_(working),
      profileIndex_(working.Profile),
      buttonIndex_(buttonIndex) {}

ButtonAssignment* CGunfireDlg::Target() const {
  if (profileIndex_ < 0 || profileIndex_ >= kProfileCount) return nullptr;
  if (buttonIndex_ < 0 || buttonIndex_ >= kButtonCount) return nullptr;
  return &working_.Profiles[profileIndex_].ButtonAssigned[buttonIndex_];
}

void CGunfireDlg::OnInitDialog() {
  if (const ButtonAssignment* target = Target()) values_ = RapidFireOpening(*target);
  if (CPngHSliderBar* slider = controls().slider(gunfire::kSpeedSlider)) slider->SetPos(values_.speed);
  SetControlText(gunfire::kSpeedValue, decimal(values_.speed));
  for (int field : {gunfire::kCountField, gunfire::kSecondField})
    if (CClrEdit* edit = controls().edit(field)) edit->SetTextColour(Rgb(255, 255, 255));
  // The fields' nearest captions ("Fire rate" above, "shots, pause" between them) would
  // name them wrongly for a screen reader.
  if (CClrEdit* count = controls().edit(gunfire::kCountField)) count->SetAccessibleName(InterfaceText(u"NAMESHOTS"));
  if (CClrEdit* pause = controls().edit(gunfire::kSecondField)) pause->SetAccessibleName(InterfaceText(u"NAMEPAUSE"));
  SetControlText(gunfire::kCountField, decimal(values_.count));
  SetControlText(gunfire::kSecondField, decimal(values_.second));
  if (CBitmapBtn* box = controls().button(gunfire::kNoLimit)) {
    box->SetCheckMode(true);
    box->SetChecked(values_.count == 0);
  }
  EnableWindow(Handle(gunfire::kCountField), values_.count != 0);
}

void CGunfireDlg::ShowNoLimit(bool noLimit) {
  values_.count = noLimit ? 0 : kRapidFireCountWhenLimited;
  SetControlText(gunfire::kCountField, decimal(values_.count));
  EnableWindow(Handle(gunfire::kCountField), !noLimit);
}

void CGunfireDlg::OnControlCommand(int index, int notification) {
  if (notification != BN_CLICKED) return;
  if (index == gunfire::kNoLimit) {
    // The box has toggled itself before it reports.
    const CBitmapBtn* box = controls().button(gunfire::kNoLimit);
    ShowNoLimit(box && box->IsChecked());
    return;
  }
  if (index == gunfire::kOk) {
    Confirm();
    return;
  }
  SkinDialog::OnControlCommand(index, notification);
}

void CGunfireDlg::OnFieldKeyReleased() {
  const CBitmapBtn* box = controls().button(gunfire::kNoLimit);
  if (!(box && box->IsChecked())) {
    if (auto replacement = ClampRapidFireCount(FieldNumber(ControlText(gunfire::kCountField))))
      SetControlText(gunfire::kCountField, decimal(*replacement));
  }
  if (auto replacement = ClampRapidFireSecond(FieldNumber(ControlText(gunfire::kSecondField))))
    SetControlText(gunfire::kSecondField, decimal(*replacement));
}

bool CGunfireDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == kSliderValueMessage) {
    if (lParam == gunfire::kSliderId) {
      values_.speed = static_cast<int32_t>(wParam);
      SetControlText(gunfire::kSpeedValue, decimal(values_.speed));
    }
    result = 0;
    return true;
  }
  if (message == kEditKeyMessage) {
    OnFieldKeyReleased();
    result = 0;
    return true;
  }
  return false;
}

void CGunfireDlg::OnReturnKey() { Confirm(); }

void CGunfireDlg::Confirm() {
  values_.count = FieldNumber(ControlText(gunfire::kCountField));
  values_.second = FieldNumber(ControlText(gunfire::kSecondField));
  if (ButtonAssignment* target = Target()) StoreRapidFire(*target, values_);
  EndDialog(kDialogOk);
}

}  // namespace ko
