#include "settings/win/rename_profile_dlg.h"

#include "settings/single_key_layout.h"

namespace ko {

CRenameProfileDlg::CRenameProfileDlg() : SkinDialog(singleKeyDialogLayout(), u"Profile name") {}

bool CRenameProfileDlg::UsesControl(int index) const {
  return index == single_key::kOk || index == single_key::kCancel || index == single_key::kClose ||
         index == single_key::kNameField;
}

void CRenameProfileDlg::OnInitDialog() {
  HWND field = Handle(single_key::kNameField);
  SetWindowLongPtrW(field, GWL_STYLE, GetWindowLongPtrW(field, GWL_STYLE) | ES_CENTER | ES_AUTOHSCROLL);
  SetControlText(single_key::kNameField, name_);
  SetFocus(field);
  SendMessageW(field, EM_SETSEL, 0, -1);
}

void CRenameProfileDlg::OnControlCommand(int index, int notification) {
  if (index == single_key::kOk && notification == BN_CLICKED) name_ = ControlText(single_key::kNameField);
  SkinDialog::OnControlCommand(index, notification);
}

}  // namespace ko
