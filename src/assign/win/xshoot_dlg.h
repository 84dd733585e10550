// CXShoot: the XShoot parameters of one button, its trigger (a mouse button or a typed
// key, chosen from a drop-down) and two numbers; OK writes them into the button's record.
#pragma once
#include <memory>
#include "assign/parameter_rules.h"
#include "settings/settings_record.h"
#include "skin/win/bmp_menu.h"
#include "skin/win/skin_dialog.h"

namespace ko {

class CXShoot : public SkinDialog {
 public:
  // Edits button `buttonIndex` (0..10) of the profile active when the dialog is made: the
  // service may switch profiles while it runs, and the result belongs where the choice began.
  CXShoot(SettingsRecord& working, int buttonIndex);
  ~CXShoot() override;

  const XShootTrigger& trigger() const { return trigger_; }
  bool dropDownOpen() const { return menu_ != nullptr; }

 protected:
  CBmpMenu* OpenMenu() override { return menu_.get(); }
  void OnInitDialog() override;
  void OnControlCommand(int index, int notification) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnReturnKey() override;
  void OnEscapeKey() override;
  void OnDestroy() override;

 private:
  ButtonAssignment* Target() const;
  void OpenDropDown();
  void ShowTrigger();
  void OnNumberChanged(int index);
  void OnTriggerChanged();
  void Confirm();

  SettingsRecord& working_;
  int profileIndex_;
  int buttonIndex_;
  XShootTrigger trigger_;
  bool settingText_ = false;  // a text the dialog writes itself is no user change
  std::unique_ptr<CBmpMenu> menu_;
};

}  // namespace ko
