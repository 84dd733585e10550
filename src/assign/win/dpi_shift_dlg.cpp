#include "assign/win/dpi_shift_dlg.h"

#include "assign/dialog_layouts.h"
#include "skin/menu_geometry.h"

namespace ko {

namespace {

const char16_t* const kMenuPictures[] = {u"3menu_normal.png", u"1menu_over.png", u"1menu_down.png",
                                         u"1menu_normal.png"};

}  // namespace

CDPIShift::CDPIShift() : SkinDialog(dpiShiftDialogLayout()) {}

CDPIShift::~CDPIShift() { menu_.reset(); }

void CDPIShift::OpenDropDown() {
  menu_.reset();
  auto menu = std::make_unique<CBmpMenu>(hwnd());
  const Text& folder = skinFolder();
  menu->SetItemImages(folder + kMenuPictures[0], folder + kMenuPictures[1], folder + kMenuPictures[2],
                      folder + kMenuPictures[3]);
  for (const ChoiceItem& item : kDpiShiftItems) menu->AddItem(item.text, item.identifier);
  const POINT at = DropDownPoint(dpi_shift::kValueDropDown);
  menu->SetPosition(at.x, at.y);
  if (menu->Create()) menu_ = std::move(menu);
}

void CDPIShift::OnControlCommand(int index, int notification) {
  if (notification != BN_CLICKED) return;
  const bool wasOpen = menu_ != nullptr;
  menu_.reset();
  if (index == dpi_shift::kValueDropDown) {
    if (!wasOpen) OpenDropDown();
    return;
  }
  SkinDialog::OnControlCommand(index, notification);
}

bool CDPIShift::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message == kMenuChoiceMessage) {
    menu_.reset();
    const int identifier = HighWord(static_cast<uint32_t>(lParam));
    const Text text = DpiShiftChoiceText(identifier);
    if (!text.empty()) {
      choice_ = identifier;
      if (CBitmapBtn* button = controls().button(dpi_shift::kValueDropDown)) button->SetCaption(text);
    }
    result = 0;
    return true;
  }
  if (message == WM_LBUTTONDOWN) {
    menu_.reset();
    result = 0;
    return true;
  }
  return false;
}

void CDPIShift::OnEscapeKey() {
  if (menu_) {
    menu_.reset();
    return;
  }
  EndDialog(kDialogCancel);
}

void CDPIShift::OnDestroy() { menu_.reset(); }

}  // namespace ko
