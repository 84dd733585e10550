#include "app/win/lighting_page.h"

#include "app/main_window_layouts.h"
#include "app/web_command.h"
#include "app/win/shell_actions.h"
#include "platform/profile_file.h"
#include "skin/menu_geometry.h"
#include "skin/skin_files.h"
#include "skin/win/bmp_menu.h"
#include "skin/win/focus_mark.h"
#include "skin/win/png_hslider.h"
#include "text/interface_text.h"

namespace ko {

namespace lp = lighting_page;

LightingPage::LightingPage(MainWindowServices& window) : MainPage(window) {}

const WindowLayout& LightingPage::layout() const { return lightingPageLayout(); }

void LightingPage::Build(HWND parent) {
  MainPage::Build(parent);
  // The web link reads as on the start page, in the skin's language.
  const WindowLayout& start = startPageLayout();
  controls_.button(lp::kWeb)->SetCaption(
      ReadButtonCaption(ProfileFile(window_.skinFolder() + u16(start.layoutFile)),
                        start.controls[start_page::kWeb].captionNumber),
      0, 1);
  controls_.button(lp::kMode)->SetFontHeight(14);
  controls_.button(lp::kDirection)->SetFontHeight(14);
  controls_.button(lp::kEffectSwitch)->SetCheckMode(true);
  // The level text is the level's percentage, never the layout file's caption.
  controls_.label(lp::kLevelText)->SetText(u"");
  const PixelRect& r = layout().controls[lp::kColourPicker].rect;
  picker_.Create(parent, {r.left, r.top, r.right, r.bottom}, control_id::kColourPicker, window_.skinFolder());
  controls_.AddOwnWindow(lp::kColourPicker, picker_.hwnd());
  picker_.SetAccessibleName(InterfaceText(u"NAMECOLOUR"));
  controls_.slider(lp::kLevelSlider)->SetAccessibleName(controls_.caption(lp::kLevelTitle));
  controls_.slider(lp::kEffectSlider)->SetAccessibleName(controls_.caption(lp::kEffectTitle));
  controls_.button(lp::kEffectSwitch)->SetAccessibleName(controls_.caption(lp::kEffectTitle));
  // The two drop-down fields are read with their titles before what they show.
  controls_.button(lp::kMode)->SetAccessibleTitle(controls_.caption(lp::kModeTitle));
  controls_.button(lp::kDirection)->SetAccessibleTitle(controls_.caption(lp::kDirectionTitle));
  commands_ = std::make_unique<LightingCommands>(window_.settings(), static_cast<LightingView&>(*this),
                                                 [](TextView key) { return InterfaceText(key); });
}

void LightingPage::ResetPicker() { picker_.Reset(static_cast<uint32_t>(window_.settings().working().LedColor)); }

void LightingPage::Show(bool visible) {
  if (visible) ResetPicker();
  MainPage::Show(visible);
}

void LightingPage::Refresh() {
  if (!commands_) return;
  commands_->showAll();
  ResetPicker();
}

bool LightingPage::OnCommand(HWND control) {
  const int index = controls_.indexOf(control);
  if (index < 0) return false;
  if (!commands_) return true;
  switch (index) {
    case lp::kBack: window_.showPage(page_id::kStart); break;
    case lp::kWeb: OpenWebPage(kMakerWebPage); break;
    case lp::kLightOn: commands_->lightOn(true); break;
    case lp::kLightOff: commands_->lightOn(false); break;
    case lp::kEffectSwitch: commands_->effectSwitchClicked(); break;
    case lp::kMode: OpenMenu(lp::kMode, ModeMenuEntries(), u"2menu_normal.png"); break;
    case lp::kDirection:
      OpenMenu(lp::kDirection, DirectionMenuEntries(window_.settings().working().LedMode), u"4menu_normal.png");
      break;
    default: break;
  }
  return true;
}

void LightingPage::OpenMenu(int anchorIndex, const std::vector<LightingMenuEntry>& entries,
                            const char16_t* normalPicture) {
  if (entries.empty()) return;
  const Text& skins = window_.skinFolder();
  auto menu = std::make_unique<CBmpMenu>(window_.window());
  menu->SetItemImages(skins + normalPicture, skins + u"1menu_over.png", skins + u"1menu_down.png",
                      skins + normalPicture);
  menu->SetFontHeight(14);
  RECT anchor{};
  GetWindowRect(controls_.handle(anchorIndex), &anchor);
  menu->SetPosition(anchor.left, anchor.bottom);
  for (const LightingMenuEntry& entry : entries) menu->AddItem(InterfaceText(entry.textKey), entry.command);
  window_.openPopupMenu(std::move(menu));
}

void LightingPage::OnMenuChoice(WPARAM, LPARAM lParam) {
  // A plain item's value rides in the high word of lParam.
  if (commands_) commands_->menuChoice(HighWord(static_cast<uint32_t>(lParam)));
}

std::optional<LRESULT> LightingPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!commands_) return std::nullopt;
  if (message == kColourPickedMessage) {
    commands_->colourPicked(static_cast<uint32_t>(wParam));
    return 0;
  }
  if (message == kSliderValueMessage &&
      commands_->sliderMoved(static_cast<int32_t>(wParam), static_cast<int>(lParam)))
    return 0;
  return std::nullopt;
}

void LightingPage::showLightOn(bool on) {
  controls_.button(lp::kLightOn)->SetChecked(on);
  controls_.button(lp::kLightOff)->SetChecked(!on);
}

void LightingPage::showModeCaption(const Text& caption) {
  controls_.button(lp::kMode)->SetCaption(caption);
}

void LightingPage::enableDirection(bool enabled) { EnableWindow(controls_.handle(lp::kDirection), enabled); }

void LightingPage::showDirectionCaption(const Text& caption) {
  controls_.button(lp::kDirection)->SetCaption(caption);
}

void LightingPage::showEffect(bool on, int32_t param) {
  controls_.button(lp::kEffectSwitch)->SetChecked(on);
  CPngHSliderBar* slider = controls_.slider(lp::kEffectSlider);
  EnableWindow(slider->hwnd(), on);
  slider->thumb().SetEnabledLook(on);
  slider->SetPos(param);
  // The track repaints over its thumb (which it does not clip), so the thumb paints again.
  InvalidateRect(slider->thumb().hwnd(), nullptr, FALSE);
}

void LightingPage::showLevel(int32_t level, const Text& text) {
  CPngHSliderBar* slider = controls_.slider(lp::kLevelSlider);
  slider->SetPos(level);
  InvalidateRect(slider->thumb().hwnd(), nullptr, FALSE);
  controls_.label(lp::kLevelText)->SetText(text);
}

std::vector<KeyGroup> LightingPage::keyGroups() const { return {{lp::kLightOff, 2}}; }

int LightingPage::backButton() const { return lp::kBack; }

// The colour picker walks its own fields before Tab leaves it.
bool LightingPage::OnOwnKey(UINT key, bool shift, int focused) {
  if (focused != lp::kColourPicker || !picker_.OnKey(key, shift)) return false;
  ShowFocusMarks();
  return true;
}

}  // namespace ko
