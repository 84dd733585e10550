// CDPIShift: picks the DPI a button shifts to while held (250, 500, 750 or 1000) from a
// drop-down; the caller stores the choice.
#pragma once
#include <memory>
#include "assign/parameter_rules.h"
#include "skin/win/bmp_menu.h"
#include "skin/win/skin_dialog.h"

namespace ko {

class CDPIShift : public SkinDialog {
 public:
  CDPIShift();
  ~CDPIShift() override;

  // The choice 1..4 (1 = 250 until another is picked); valid after OK.
  int choice() const { return choice_; }
  bool dropDownOpen() const { return menu_ != nullptr; }

 protected:
  CBmpMenu* OpenMenu() override { return menu_.get(); }
  void OnControlCommand(int index, int notification) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnReturnKey() override { EndDialog(kDialogOk); }
  void OnEscapeKey() override;
  void OnDestroy() override;

 private:
  void OpenDropDown();

  int choice_ = kDpiShiftDefaultChoice;
  std::unique_ptr<CBmpMenu> menu_;
};

}  // namespace ko
