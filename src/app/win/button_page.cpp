#include "app/win/button_page.h"

#include "app/main_window_layouts.h"
#include "macro/macro_library.h"
#include "settings/settings_file.h"

namespace ko {

const WindowLayout& ButtonPage::layout() const { return buttonPageLayout(); }

void ButtonPage::Build(HWND parent) {
  MainPage::Build(parent);
  for (int k = 0; k < button_page::kProfileCount; ++k)
    controls_.button(button_page::kProfileFirst + k)->SetCheckMode(true);
}

void ButtonPage::Refresh() {
  SettingsRecord& record = window_.working();
  const AssignmentLabels labels = RefreshAssignmentLabels(record, window_.macros().list(), assignedMacros_);
  for (int i = 0; i < button_page::kSlotCount; ++i)
    controls_.button(button_page::kSlotFirst + i)->SetCaption(labels[i], 0, 1);
  const int active = &activeProfile(record) - record.Profiles;
  for (int k = 0; k < button_page::kProfileCount; ++k)
    controls_.button(button_page::kProfileFirst + k)->SetChecked(k == active);
}

bool ButtonPage::OnCommand(HWND control) {
  if (Is(button_page::kBack, control)) {
    window_.showPage(page_id::kStart);
    return true;
  }
  if (Is(button_page::kEditMacros, control)) {
    window_.showPage(page_id::kMacros);
    return true;
  }
  return controls_.indexOf(control) >= 0;
}

}  // namespace ko
