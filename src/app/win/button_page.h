// The button page: the five profile tabs and the nine assignment slots of the active
// profile, each captioned with the function its button has. A click on a slot opens the
// assignment menu under it; the menu's choice is applied to that slot's button.
#pragma once
#include "app/win/main_page.h"
#include "assign/assignment_labels.h"

namespace ko {

class ButtonPage : public MainPage {
 public:
  using MainPage::MainPage;
  const WindowLayout& layout() const override;
  void Build(HWND parent) override;
  void Refresh() override;
  bool OnCommand(HWND control) override;
  std::vector<KeyGroup> keyGroups() const override;
  int backButton() const override;
  void OnMenuChoice(WPARAM wParam, LPARAM lParam) override;
  // Any command or click on the window has closed the menu: no slot waits for a choice.
  void ClosePopups() override { targetButton_ = -1; }

  // The distinct macros the active profile's buttons play, as the labels found them.
  const AssignedMacroNames& assignedMacros() const { return assignedMacros_; }

 private:
  void OpenAssignmentMenu(HWND slot, int index);

  AssignedMacroNames assignedMacros_;
  // The button (0..10) whose assignment menu is open; -1 when none.
  int targetButton_ = -1;
};

}  // namespace ko
