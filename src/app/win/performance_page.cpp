#include "app/win/performance_page.h"

#include "app/main_window_layouts.h"

namespace ko {

const WindowLayout& PerformancePage::layout() const { return performancePageLayout(); }

void PerformancePage::Build(HWND parent) {
  MainPage::Build(parent);
  static const char16_t* const kScale[] = {u"250", u"1000", u"2500", u"4000"};
  for (int i = 0; i < performance_page::kScaleCount; ++i)
    controls_.label(performance_page::kScaleFirst + i)->SetText(kScale[i]);
  // The separate-axis sliders show only for a stage stored with separate axes.
  controls_.SetShown(performance_page::kLevelXSlider, false);
  controls_.SetShown(performance_page::kLevelYSlider, false);
}

bool PerformancePage::OnCommand(HWND control) {
  if (Is(performance_page::kBack, control)) {
    window_.showPage(page_id::kStart);
    return true;
  }
  return controls_.indexOf(control) >= 0;
}

}  // namespace ko
