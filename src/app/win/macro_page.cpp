#include "app/win/macro_page.h"

#include "app/main_window_layouts.h"
#include "skin/button_face.h"
#include "skin/win/gdi_objects.h"
#include "text/interface_text.h"

namespace ko {

const WindowLayout& MacroPage::layout() const { return macroPageLayout(); }

void MacroPage::Build(HWND parent) {
  MainPage::Build(parent);
  CListBoxEx* steps = controls_.list(macro_page::kSteps);
  steps->SetNotifyWindow(parent);
  steps->SetRightClickReportingOff(false);
  for (int index : {macro_page::kDelayField, macro_page::kLoopField}) {
    HWND field = controls_.handle(index);
    SetWindowLongPtrW(field, GWL_STYLE, GetWindowLongPtrW(field, GWL_STYLE) | ES_NUMBER);
    controls_.edit(index)->SetTextColour(Rgb(255, 255, 255));
  }
  SendMessageW(controls_.handle(macro_page::kDelayField), EM_LIMITTEXT, 5, 0);
  SendMessageW(controls_.handle(macro_page::kLoopField), EM_LIMITTEXT, 3, 0);
  SetWindowTextW(controls_.handle(macro_page::kDelayField), L"10");
  for (int index = macro_page::kDelayRecorded; index <= macro_page::kLoop; ++index)
    controls_.button(index)->SetCheckMode(true);
  // The second delay mode's caption is long; in the interface face it needs a smaller size.
  const bool tahoma = equalsNoCase(FaceName(), u"Tahoma");
  controls_.button(macro_page::kDelayFixed)->SetFontHeight(tahoma ? 13 : 15);
}

void MacroPage::AfterStart() {
  HWND loop = controls_.handle(macro_page::kLoopField);
  SetWindowTextW(loop, L"0");
  EnableWindow(loop, FALSE);
}

bool MacroPage::OnCommand(HWND control) {
  if (Is(macro_page::kBack, control)) {
    window_.showPage(page_id::kStart);
    return true;
  }
  return controls_.indexOf(control) >= 0;
}

void MacroPage::PaintOver(HDC dc) {
  FontObject font(CreateFontW(15, 0, 0, 0, 400, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, reinterpret_cast<const wchar_t*>(FaceName())));
  SelectedObject selected(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 225, 0));
  const Text count = count_.empty() ? Text(u"0") : count_;
  TextOutW(dc, 305, 459, reinterpret_cast<const wchar_t*>(title_.c_str()), static_cast<int>(title_.size()));
  TextOutW(dc, 305, 483, reinterpret_cast<const wchar_t*>(count.c_str()), static_cast<int>(count.size()));
}

}  // namespace ko
