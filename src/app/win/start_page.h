// The start page: the mouse overview with the four page buttons, the profile-file tabs,
// restore-all, the web link and the window buttons.
#pragma once
#include "app/main_window_layouts.h"
#include "app/win/main_page.h"

namespace ko {

class StartPage : public MainPage {
 public:
  using MainPage::MainPage;
  const WindowLayout& layout() const override;
  void Build(HWND parent) override;
  bool OnCommand(HWND control) override;
  int firstFocus() const override;

  // The close and minimise buttons belong to the window frame: they show on every page.
  HWND closeButton() const { return controls_.handle(start_page::kClose); }
  HWND minimiseButton() const { return controls_.handle(start_page::kMinimise); }
  void ShowFrame();

 private:
  void RestoreAll();
};

}  // namespace ko
