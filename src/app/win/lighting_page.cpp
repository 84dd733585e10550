#include "app/win/lighting_page.h"

#include "app/main_window_layouts.h"
#include "app/web_command.h"
#include "app/win/shell_actions.h"

namespace ko {

const WindowLayout& LightingPage::layout() const { return lightingPageLayout(); }

void LightingPage::Build(HWND parent) {
  MainPage::Build(parent);
  controls_.button(lighting_page::kWeb)->SetCaption(u"Support website", 0, 1);
  controls_.button(lighting_page::kMode)->SetFontHeight(14);
}

bool LightingPage::OnCommand(HWND control) {
  if (Is(lighting_page::kBack, control)) {
    window_.showPage(page_id::kStart);
    return true;
  }
  if (Is(lighting_page::kWeb, control)) {
    OpenWebPage(kMakerWebPage);
    return true;
  }
  return controls_.indexOf(control) >= 0;
}

}  // namespace ko
