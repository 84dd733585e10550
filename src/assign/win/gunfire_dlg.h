// CGunfireDlg: the rapid-fire parameters of one button (speed on a slider, a shot count
// or none, and the second number); OK writes them into the button's record.
#pragma once
#include "assign/parameter_rules.h"
#include "settings/settings_record.h"
#include "skin/win/skin_dialog.h"

namespace ko {

class CGunfireDlg : public SkinDialog {
 public:
  // Edits button `buttonIndex` (0..10) of the profile active when the dialog is made: the
  // service may switch profiles while it runs, and the result belongs where the choice began.
  CGunfireDlg(SettingsRecord& working, int buttonIndex);

 protected:
  void OnInitDialog() override;
  void OnControlCommand(int index, int notification) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnReturnKey() override;
  void OnEscapeKey() override { EndDialog(kDialogCancel); }

 private:
  ButtonAssignment* Target() const;
  void ShowNoLimit(bool noLimit);
  void OnFieldKeyReleased();
  void Confirm();

  SettingsRecord& working_;
  int profileIndex_;
  int buttonIndex_;
  RapidFireValues values_;
};

}  // namespace ko
