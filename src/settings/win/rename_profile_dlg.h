// CRenameProfileDlg: the small name dialog. The caller sets the name, runs it and, after
// OK, reads the name back as typed (empty included: the caller decides what that means).
// Only its buttons end it; Enter and Escape do nothing.
#pragma once
#include "skin/win/skin_dialog.h"

namespace ko {

class CRenameProfileDlg : public SkinDialog {
 public:
  CRenameProfileDlg();
  void SetName(TextView name) { name_ = Text(name); }
  const Text& name() const { return name_; }

 protected:
  bool UsesControl(int index) const override;
  void OnInitDialog() override;
  void OnControlCommand(int index, int notification) override;

 private:
  Text name_;
};

}  // namespace ko
