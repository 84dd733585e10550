#include "app/win/start_page.h"

#include "app/main_window_layouts.h"
#include "app/restore_all.h"
#include "app/web_command.h"
#include "app/win/profile_commands.h"
#include "app/win/shell_actions.h"
#include "text/interface_text.h"

namespace ko {

const WindowLayout& StartPage::layout() const { return startPageLayout(); }

void StartPage::Build(HWND parent) {
  MainPage::Build(parent);
  // The notes beside the page buttons carry no text in this skin; hidden, they cannot
  // cover the buttons they overlap.
  for (int note : {start_page::kButtonsNote, start_page::kLightingNote, start_page::kPerformanceNote,
                   start_page::kMacrosNote})
    controls_.SetShown(note, false);
  controls_.button(start_page::kClose)->SetAccessibleName(InterfaceText(u"NAMECLOSE"));
  controls_.button(start_page::kMinimise)->SetAccessibleName(InterfaceText(u"NAMEMINIMISE"));
}

void StartPage::ShowFrame() {
  ShowWindow(closeButton(), SW_SHOWNA);
  ShowWindow(minimiseButton(), SW_SHOWNA);
}

bool StartPage::OnCommand(HWND control) {
  if (Is(start_page::kWeb, control)) {
    OpenWebPage(kMakerWebPage);
    return true;
  }
  if (Is(start_page::kRestoreAll, control)) {
    RestoreAll();
    return true;
  }
  static const struct {
    int control, page;
  } kPageButtons[] = {{start_page::kShowButtons, page_id::kButtons},
                      {start_page::kShowMacros, page_id::kMacros},
                      {start_page::kShowLighting, page_id::kLighting},
                      {start_page::kShowPerformance, page_id::kPerformance}};
  for (const auto& entry : kPageButtons) {
    if (!Is(entry.control, control)) continue;
    window_.showPage(entry.page);
    // The performance page shows values the device service may have changed meanwhile.
    if (entry.page == page_id::kPerformance) window_.refreshAllPages();
    return true;
  }
  if (Is(start_page::kImport, control)) {
    ImportProfileClicked(window_);
    return true;
  }
  if (Is(start_page::kExport, control)) {
    ExportProfileClicked(window_);
    return true;
  }
  return Is(start_page::kUnused, control);
}

void StartPage::RestoreAll() {
  if (!window_.confirm(u"WARN1")) return;
  SettingsStore& settings = window_.settings();
  restoreAllSettings(settings.working(), settings.path());
  window_.refreshAllPages();
  settings.save(settingsAppliedNotice());
}

// The keyboard starts where the pointer's user starts: on the first page button.
int StartPage::firstFocus() const { return start_page::kShowButtons; }

}  // namespace ko
