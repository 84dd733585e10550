#include "app/win/button_page.h"

#include "app/main_window_layouts.h"
#include "app/win/profile_commands.h"
#include "assign/assignment_choice.h"
#include "assign/assignment_menu.h"
#include "assign/win/dpi_shift_dlg.h"
#include "assign/win/gunfire_dlg.h"
#include "assign/win/key_ex_dlg.h"
#include "assign/win/xshoot_dlg.h"
#include "macro/macro_library.h"
#include "macro/win/macro_sel_dlg.h"
#include "settings/settings_file.h"
#include "skin/win/bmp_menu.h"
#include "text/interface_text.h"

namespace ko {
namespace {

// What the assignment rules ask of the window: the modal dialogs on the main window, the
// notice, the page switch, the labels of this page and the settings store.
class WindowChoiceHost final : public AssignmentChoiceHost {
 public:
  WindowChoiceHost(MainWindowServices& window, const AssignedMacroNames& assigned, std::function<void()> refresh)
      : window_(window), assigned_(assigned), refresh_(std::move(refresh)) {}

  SettingsStore& settings() override { return window_.settings(); }
  const MacroList& macroList() override { return window_.macros().list(); }
  const AssignedMacroNames& assignedMacros() override { return assigned_; }
  Text macroFolder() override { return window_.macroFolder(); }

  bool runKeyCapture(int button) override {
    CKeyExDlg dialog(window_.settings().working(), button);
    return run(dialog);
  }
  bool runRapidFire(int button) override {
    CGunfireDlg dialog(window_.settings().working(), button);
    return run(dialog);
  }
  bool runXShoot(int button) override {
    CXShoot dialog(window_.settings().working(), button);
    return run(dialog);
  }
  std::optional<int> runDpiShift(int) override {
    CDPIShift dialog;
    if (!run(dialog)) return std::nullopt;
    return dialog.choice();
  }
  std::optional<MacroChoice> runMacroChooser(const MacroChoice& initial) override {
    CMacroSelDlg dialog(window_.macros().list(), initial);
    if (!run(dialog)) return std::nullopt;
    return dialog.result();
  }

  void warnLastLeftClick() override { window_.notice(u"WARN3"); }
  void showMacroPage() override { window_.showPage(page_id::kMacros); }
  void refreshLabels() override { refresh_(); }

 private:
  bool run(SkinDialog& dialog) {
    dialog.SetSkinFolder(window_.skinFolder());
    return dialog.DoModal(window_.window()) == kDialogOk;
  }

  MainWindowServices& window_;
  const AssignedMacroNames& assigned_;
  std::function<void()> refresh_;
};

Text skinPicture(const Text& folder, const char16_t* file) { return folder + file; }

// "Button 4: Back (Button 4)": a slot's label says what the button does, not which it is.
Text slotName(int slot, const Text& label) {
  Text name = InterfaceText(u"NAMESLOT");
  const size_t at = name.find(u"%1");
  if (at != Text::npos) name.replace(at, 2, decimal(slot + 1));
  return name + u": " + label;
}

}  // namespace

const WindowLayout& ButtonPage::layout() const { return buttonPageLayout(); }

void ButtonPage::Build(HWND parent) {
  MainPage::Build(parent);
  for (int k = 0; k < button_page::kProfileCount; ++k)
    controls_.button(button_page::kProfileFirst + k)->SetCheckMode(true);
}

void ButtonPage::Refresh() {
  SettingsRecord& record = window_.settings().working();
  const AssignmentLabels labels = RefreshAssignmentLabels(record, window_.macros().list(), assignedMacros_);
  for (int i = 0; i < button_page::kSlotCount; ++i) {
    CBitmapBtn* slot = controls_.button(button_page::kSlotFirst + i);
    slot->SetCaption(labels[i], 0, 1);
    slot->SetAccessibleName(slotName(i, labels[i]));
  }
  const int active = &activeProfile(record) - record.Profiles;
  for (int k = 0; k < button_page::kProfileCount; ++k)
    controls_.button(button_page::kProfileFirst + k)->SetChecked(k == active);
}

bool ButtonPage::OnCommand(HWND control) {
  if (Is(button_page::kBack, control)) {
    window_.showPage(page_id::kStart);
    return true;
  }
  if (Is(button_page::kEditMacros, control)) {
    window_.showPage(page_id::kMacros);
    return true;
  }
  for (int k = 0; k < button_page::kProfileCount; ++k) {
    if (!Is(button_page::kProfileFirst + k, control)) continue;
    ProfileTabClicked(window_, k);
    return true;
  }
  for (int i = 0; i < button_page::kSlotCount; ++i) {
    if (!Is(button_page::kSlotFirst + i, control)) continue;
    OpenAssignmentMenu(control, i);
    return true;
  }
  return controls_.indexOf(control) >= 0;
}

void ButtonPage::OpenAssignmentMenu(HWND slot, int index) {
  RECT client{};
  GetClientRect(slot, &client);
  MapWindowPoints(slot, nullptr, reinterpret_cast<POINT*>(&client), 2);
  window_.closePopupMenu();
  targetButton_ = index;

  const Text& folder = window_.skinFolder();
  auto menu = std::make_unique<CBmpMenu>(window_.window());
  const MenuPictureNames& items = kAssignmentMenuPictures;
  const MenuPictureNames& subs = kAssignmentSubMenuPictures;
  menu->SetItemImages(skinPicture(folder, items.normal), skinPicture(folder, items.over),
                      skinPicture(folder, items.down), skinPicture(folder, items.disabled));
  menu->SetSubMenuImages(skinPicture(folder, subs.normal), skinPicture(folder, subs.over),
                         skinPicture(folder, subs.down), skinPicture(folder, subs.disabled));
  const ScreenPoint at =
      AssignmentMenuPosition(PixelRect{client.left, client.top, client.right, client.bottom},
                             GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  menu->SetPosition(at.x, at.y);
  menu->SetAccessibleName(SkinControl::FromHandle(slot)->accessibleName());
  const AssignmentMenuTree tree = BuildAssignmentMenuTree(activeProfileIndex(window_.settings().working()));
  for (size_t i = 0; i < tree.size(); ++i) {
    menu->AddItem(InterfaceText(tree[i].entry.key), tree[i].entry.id);
    for (const AssignmentMenuEntry& sub : tree[i].subItems) menu->AddSubItem(i, InterfaceText(sub.key), sub.id);
  }
  window_.openPopupMenu(std::move(menu));
  if (!window_.popupMenuOpen()) targetButton_ = -1;
}

void ButtonPage::OnMenuChoice(WPARAM, LPARAM lParam) {
  const int button = targetButton_;
  if (button < 0) return;  // another menu of this page, or one already handled
  targetButton_ = -1;
  WindowChoiceHost host(window_, assignedMacros_, [this] { Refresh(); });
  ApplyAssignmentChoice(host, button, static_cast<uint32_t>(lParam));
}

std::vector<KeyGroup> ButtonPage::keyGroups() const {
  return {{button_page::kProfileFirst, button_page::kProfileCount}};
}

int ButtonPage::backButton() const { return button_page::kBack; }

}  // namespace ko
