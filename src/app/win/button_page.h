// The button page: the five profile tabs and the nine assignment slots of the active
// profile, each captioned with the function its button has.
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

  // The distinct macros the active profile's buttons play, as the labels found them.
  const AssignedMacroNames& assignedMacros() const { return assignedMacros_; }

 private:
  AssignedMacroNames assignedMacros_;
};

}  // namespace ko
