// The lighting page: on and off, the colour picker, the effect mode and direction, the
// level and the effect parameter.
#pragma once
#include "app/win/main_page.h"

namespace ko {

class LightingPage : public MainPage {
 public:
  using MainPage::MainPage;
  const WindowLayout& layout() const override;
  void Build(HWND parent) override;
  bool OnCommand(HWND control) override;
};

}  // namespace ko
