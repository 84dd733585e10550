// The performance page: the six DPI stages and their level sliders, acceleration, the
// polling rate and the pointer values.
#pragma once
#include "app/win/main_page.h"

namespace ko {

class PerformancePage : public MainPage {
 public:
  using MainPage::MainPage;
  const WindowLayout& layout() const override;
  void Build(HWND parent) override;
  bool OnCommand(HWND control) override;
};

}  // namespace ko
