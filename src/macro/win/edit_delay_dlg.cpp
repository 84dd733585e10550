#include "macro/win/edit_delay_dlg.h"

#include <algorithm>
#include "settings/single_key_layout.h"

namespace ko {

CEditDelay::CEditDelay() : SkinDialog(singleKeyDialogLayout(), u"Delay") {}

bool CEditDelay::UsesControl(int index) const {
  return index == single_key::kOk || index == single_key::kCancel || index == single_key::kClose ||
         index == single_key::kDelayField || index == single_key::kDelayCaption;
}

void CEditDelay::OnInitDialog() {
  SetControlText(single_key::kDelayCaption, caption_);
  HWND field = Handle(single_key::kDelayField);
  SetWindowLongPtrW(field, GWL_STYLE, GetWindowLongPtrW(field, GWL_STYLE) | ES_NUMBER | ES_CENTER);
  SendMessageW(field, EM_LIMITTEXT, 6, 0);
  SetControlText(single_key::kDelayField, decimal(std::clamp<int32_t>(value_, 1, maximum_)));
  SetFocus(field);
  SendMessageW(field, EM_SETSEL, 0, -1);
}

void CEditDelay::KeepFieldInRange() {
  const Text typed = ControlText(single_key::kDelayField);
  const PopupValue kept = popupValueOf(typed, maximum_);
  value_ = kept.value;
  if (!kept.replaceText) return;
  HWND field = Handle(single_key::kDelayField);
  SetControlText(single_key::kDelayField, decimal(kept.value));
  SendMessageW(field, EM_SETSEL, 32767, 32767);
}

void CEditDelay::OnControlCommand(int index, int notification) {
  if (index == single_key::kDelayField) {
    if (notification == EN_CHANGE) KeepFieldInRange();
    return;
  }
  if (index == single_key::kOk && notification == BN_CLICKED) KeepFieldInRange();
  SkinDialog::OnControlCommand(index, notification);
}

std::optional<int32_t> CEditDelay::Ask(HWND owner) {
  if (DoModal(owner) != kDialogOk) return std::nullopt;
  return value_;
}

}  // namespace ko
