#include "app/win/performance_page.h"

#include "app/main_window_layouts.h"
#include "skin/win/png_hslider.h"
#include "text/interface_text.h"

namespace ko {

namespace pp = performance_page;

namespace {

constexpr int kStageCaptionHeight = 14;
constexpr int kStageCaptionLineHeight = 15;

int SliderIndex(int sliderId) {
  switch (sliderId) {
    case perf_slider::kLevel: return pp::kLevelSlider;
    case perf_slider::kLevelX: return pp::kLevelXSlider;
    case perf_slider::kLevelY: return pp::kLevelYSlider;
    case perf_slider::kAcceleration: return pp::kAccelerationSlider;
    default: return -1;
  }
}

}  // namespace

PerformancePage::PerformancePage(MainWindowServices& window) : MainPage(window) {}

const WindowLayout& PerformancePage::layout() const { return performancePageLayout(); }

void PerformancePage::Build(HWND parent) {
  MainPage::Build(parent);
  static const char16_t* const kScale[] = {u"250", u"1000", u"2500", u"4000"};
  for (int i = 0; i < pp::kScaleCount; ++i) controls_.label(pp::kScaleFirst + i)->SetText(kScale[i]);
  const WindowLayout& table = layout();
  for (int i = 0; i < pp::kStageCount; ++i) {
    CBitmapBtn* tile = controls_.button(pp::kStageFirst + i);
    const PixelRect& r = table.controls[pp::kStageFirst + i].rect;
    tile->SetCheckMode(true);
    tile->SetFontHeight(kStageCaptionHeight);
    // Wrapped text is drawn from the top of its box: the box starts where the caption's
    // three lines stand centred on the face.
    const int top = (r.height() - 3 * kStageCaptionLineHeight) / 2;
    tile->SetTextRectCentredWrapped({0, top, r.width(), r.height() - top});
  }
  controls_.button(pp::kSeparateAxes)->SetCheckMode(true);
  // The switch shows its state by its face; the layout's caption belongs to the title.
  controls_.button(pp::kAccelerationSwitch)->SetCheckMode(true);
  controls_.button(pp::kAccelerationSwitch)->SetCaption(u"");
  for (int i : {pp::kDoubleClickUp, pp::kWheelLinesUp}) controls_.button(i)->SetCaption(u"+");
  for (int i : {pp::kDoubleClickDown, pp::kWheelLinesDown}) controls_.button(i)->SetCaption(u"-");
  for (int i : {pp::kDoubleClickValue, pp::kWheelLinesValue}) {
    CBitmapBtn* value = controls_.button(i);
    const PixelRect& r = table.controls[i].rect;
    value->SetTextRectCentredSingleLine({0, 0, r.width(), r.height()});
  }
  NameControls();
  commands_ = std::make_unique<PerformanceCommands>(window_.settings(), static_cast<PerformanceView&>(*this),
                                                    InterfaceText(u"DPISTAGE"));
  showAxisSliders(false);
}

void PerformancePage::NameControls() {
  const Text level = controls_.caption(pp::kLevelTitle);
  controls_.slider(pp::kLevelSlider)->SetAccessibleName(level);
  controls_.slider(pp::kLevelXSlider)->SetAccessibleName(level + u" X");
  controls_.slider(pp::kLevelYSlider)->SetAccessibleName(level + u" Y");
  controls_.slider(pp::kAccelerationSlider)->SetAccessibleName(controls_.caption(pp::kAccelerationTitle));
  controls_.button(pp::kAccelerationSwitch)->SetAccessibleName(controls_.caption(pp::kAccelerationTitle));
  const Text doubleClick = InterfaceText(u"NAMEDOUBLECLICK");
  const Text wheel = InterfaceText(u"NAMEWHEEL");
  const Text more = u" " + InterfaceText(u"NAMEMORE");
  const Text less = u" " + InterfaceText(u"NAMELESS");
  controls_.button(pp::kDoubleClickUp)->SetAccessibleName(doubleClick + more);
  controls_.button(pp::kDoubleClickDown)->SetAccessibleName(doubleClick + less);
  controls_.button(pp::kWheelLinesUp)->SetAccessibleName(wheel + more);
  controls_.button(pp::kWheelLinesDown)->SetAccessibleName(wheel + less);
}

void PerformancePage::Refresh() {
  if (commands_) commands_->showAll();
}

bool PerformancePage::OnCommand(HWND control) {
  const int index = controls_.indexOf(control);
  if (index < 0) return false;
  if (!commands_) return true;
  if (index == pp::kBack) {
    window_.showPage(page_id::kStart);
  } else if (index >= pp::kStageFirst && index < pp::kStageFirst + pp::kStageCount) {
    ChooseStage(index - pp::kStageFirst);
  } else if (index >= pp::kPollingFirst && index < pp::kPollingFirst + pp::kPollingCount) {
    commands_->choosePollingRate(kPollingRates[index - pp::kPollingFirst]);
  } else if (index == pp::kSeparateAxes) {
    commands_->separateAxesClicked();
  } else if (index == pp::kAccelerationSwitch) {
    commands_->accelerationSwitchClicked();
  } else if (index == pp::kDoubleClickUp || index == pp::kDoubleClickDown) {
    commands_->stepPointerValue(PointerValue::DoubleClickSpeed, index == pp::kDoubleClickUp);
  } else if (index == pp::kWheelLinesUp || index == pp::kWheelLinesDown) {
    commands_->stepPointerValue(PointerValue::WheelScrollLines, index == pp::kWheelLinesUp);
  }
  return true;
}

void PerformancePage::ChooseStage(int stage) {
  if (commands_) commands_->chooseStage(stage);
}

std::optional<LRESULT> PerformancePage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kSliderValueMessage || !commands_) return std::nullopt;
  if (!commands_->sliderMoved(static_cast<int32_t>(wParam), static_cast<int>(lParam))) return std::nullopt;
  return 0;
}

void PerformancePage::showStageCaption(int stage, const Text& caption) {
  controls_.button(pp::kStageFirst + stage)->SetCaption(caption);
}

void PerformancePage::showActiveStage(int32_t stage) {
  for (int i = 0; i < pp::kStageCount; ++i) controls_.button(pp::kStageFirst + i)->SetChecked(i == stage);
}

void PerformancePage::showSeparateAxes(bool on) { controls_.button(pp::kSeparateAxes)->SetChecked(on); }

void PerformancePage::setSlider(int sliderId, int32_t position) {
  const int index = SliderIndex(sliderId);
  if (index < 0) return;
  CPngHSliderBar* slider = controls_.slider(index);
  slider->SetPos(position);
  // The track repaints over its thumb (which it does not clip), so the thumb paints again.
  InvalidateRect(slider->thumb().hwnd(), nullptr, FALSE);
}

void PerformancePage::showAxisSliders(bool axes) {
  controls_.SetShown(pp::kLevelSlider, !axes);
  controls_.SetShown(pp::kLevelXSlider, axes);
  controls_.SetShown(pp::kLevelYSlider, axes);
}

void PerformancePage::showAccelerationEnabled(bool on) { controls_.button(pp::kAccelerationSwitch)->SetChecked(on); }

void PerformancePage::showPollingRate(int32_t rate) {
  for (int i = 0; i < pp::kPollingCount; ++i) controls_.button(pp::kPollingFirst + i)->SetChecked(kPollingRates[i] == rate);
}

void PerformancePage::showPointerValue(PointerValue which, const Text& text) {
  const bool doubleClick = which == PointerValue::DoubleClickSpeed;
  CBitmapBtn* well = controls_.button(doubleClick ? pp::kDoubleClickValue : pp::kWheelLinesValue);
  well->SetCaption(text);
  well->SetAccessibleName(InterfaceText(doubleClick ? u"NAMEDOUBLECLICK" : u"NAMEWHEEL") + u": " + text);
}

std::vector<KeyGroup> PerformancePage::keyGroups() const {
  return {{pp::kStageFirst, pp::kStageCount}, {pp::kPollingFirst, pp::kPollingCount}};
}

int PerformancePage::backButton() const { return pp::kBack; }

}  // namespace ko
