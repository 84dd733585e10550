// The macro page: the macro chosen for editing, its steps, recording and the step tools.
#pragma once
#include "app/win/main_page.h"

namespace ko {

class MacroPage : public MainPage {
 public:
  using MainPage::MainPage;
  const WindowLayout& layout() const override;
  void Build(HWND parent) override;
  bool OnCommand(HWND control) override;
  void PaintOver(HDC dc) override;
  void AfterStart() override;

  // The two texts the page draws beside its "Macro:" and "Steps:" labels.
  void SetTitleText(Text title) { title_ = std::move(title); }
  void SetCountText(Text count) { count_ = std::move(count); }

 private:
  Text title_;
  Text count_;
};

}  // namespace ko
