#include "macro/win/macro_sel_dlg.h"

#include "macro/macro_sel_layout.h"

namespace ko {

CMacroSelDlg::CMacroSelDlg(const MacroList& macros, MacroChoice initial)
    : SkinDialog(macroSelDialogLayout()), macros_(macros), result_(std::move(initial)) {
  if (result_.runMode < 0 || result_.runMode >= macro_sel::kModeCount) result_.runMode = 0;
}

CMacroSelDlg::~CMacroSelDlg() { popup_.reset(); }

void CMacroSelDlg::OnInitDialog() {
  for (int m = 0; m < macro_sel::kModeCount; ++m)
    if (CBitmapBtn* mode = controls().button(macro_sel::kModeFirst + m)) mode->SetCheckMode(true);
  if (CBitmapBtn* field = controls().button(macro_sel::kNameField)) {
    // Read with its title before the name it shows, as the macro page's field is.
    field->SetAccessibleTitle(controls().caption(macro_sel::kNameTitle));
    field->SetCaption(result_.name);
  }
  ShowRunMode();
  // Each run mode is described by the two lines of text to its right.
  for (int m = 0; m < macro_sel::kModeCount; ++m)
    if (CBitmapBtn* mode = controls().button(macro_sel::kModeFirst + m)) {
      const int first = macro_sel::kModeTextFirst + 2 * m;
      mode->SetAccessibleName(controls().caption(first) + u" " + controls().caption(first + 1));
    }
  // Keys start on the name field, not on the close button that comes first in reading order.
  SetFocus(Handle(macro_sel::kNameField));
}

void CMacroSelDlg::ShowRunMode() {
  for (int m = 0; m < macro_sel::kModeCount; ++m)
    if (CBitmapBtn* mode = controls().button(macro_sel::kModeFirst + m)) mode->SetChecked(m == result_.runMode);
}

void CMacroSelDlg::OpenPopup() {
  popup_.reset();
  if (macros_.empty()) return;
  auto popup = std::make_unique<CMacroNameMenu>(hwnd());
  const POINT at = DropDownPoint(macro_sel::kNameField);
  popup->SetPosition(at.x, at.y);
  if (popup->Create(macros_, skinFolder())) popup_ = std::move(popup);
}

void CMacroSelDlg::OnControlCommand(int index, int notification) {
  if (notification != BN_CLICKED) return;
  popup_.reset();
  if (index == macro_sel::kNameField) {
    OpenPopup();
    return;
  }
  if (index >= macro_sel::kModeFirst && index < macro_sel::kModeFirst + macro_sel::kModeCount) {
    result_.runMode = index - macro_sel::kModeFirst;
    ShowRunMode();  // a second click on the pressed mode must not release it
    return;
  }
  SkinDialog::OnControlCommand(index, notification);
}

bool CMacroSelDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == kMacroNameChosenMessage) {
    popup_.reset();
    const size_t position = static_cast<size_t>(wParam);
    if (position < macros_.size()) {
      result_.position = static_cast<int>(position);
      result_.name = macros_.at(position);
      if (CBitmapBtn* field = controls().button(macro_sel::kNameField)) field->SetCaption(result_.name);
    }
    result = 0;
    return true;
  }
  if (message == WM_ACTIVATEAPP && !wParam) {
    popup_.reset();  // another program came to the front
    return false;
  }
  if (message == WM_LBUTTONDOWN) {
    popup_.reset();
    // Free dialog space drags the dialog, as a caption would.
    PostMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, lParam);
    result = 0;
    return true;
  }
  return false;
}

bool CMacroSelDlg::PreTranslateMessage(MSG& message) {
  if (popup_ && message.message == WM_KEYDOWN) {
    const NameMenuKey taken = popup_->OnKey(static_cast<UINT>(message.wParam));
    if (taken == NameMenuKey::Taken) return true;
    popup_.reset();
    if (taken == NameMenuKey::Close) return true;
  }
  return SkinDialog::PreTranslateMessage(message);
}

void CMacroSelDlg::OnReturnKey() {
  popup_.reset();
  EndDialog(kDialogOk);
}

void CMacroSelDlg::OnEscapeKey() {
  if (popup_) {
    popup_.reset();
    return;
  }
  EndDialog(kDialogCancel);
}

}  // namespace ko
