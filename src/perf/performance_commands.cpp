#include "perf/performance_commands.h"

#include "perf/dpi_levels.h"
#include "perf/pointer_values.h"
#include "settings/settings_file.h"

namespace ko {

bool AccelerationShownOn(int32_t stored) { return stored == 1; }

PerformanceCommands::PerformanceCommands(SettingsStore& settings, PerformanceView& view,
                                         Text stageWord)
    : working_(settings.working()), settings_(settings), view_(view), stageWord_(std::move(stageWord)) {}

DpiInfo* PerformanceCommands::activeStage() {
  const int32_t stage = working_.DPI;
  if (stage < 0 || stage >= kDpiStageCount) return nullptr;
  return &working_.DPI_INFO[stage];
}

void PerformanceCommands::showStageCaption(int stage, int32_t xLevel, int32_t yLevel) {
  view_.showStageCaption(stage, StageCaption(stageWord_, stage, DpiForLevel(xLevel), DpiForLevel(yLevel)));
}

void PerformanceCommands::showStage() {
  view_.showActiveStage(working_.DPI);
  const DpiInfo* stage = activeStage();
  view_.showSeparateAxes(stage && stage->separate != 0);
  // Without a valid active stage the sliders rest at the bottom of the scale.
  view_.setSlider(perf_slider::kLevelX, stage ? stage->levelX : kLowestLevel);
  view_.setSlider(perf_slider::kLevelY, stage ? stage->levelY : kLowestLevel);
  view_.setSlider(perf_slider::kLevel, stage ? stage->level : kLowestLevel);
  for (int i = 0; i < kDpiStageCount; ++i) showStageCaption(i, working_.DPI_INFO[i].level, working_.DPI_INFO[i].level);
  view_.showAxisSliders(false);
}

void PerformanceCommands::showAcceleration() {
  view_.showAccelerationEnabled(AccelerationShownOn(working_.AccelerationEnabled));
  view_.setSlider(perf_slider::kAcceleration, working_.Acceleration);
}

void PerformanceCommands::showPointerValues() {
  view_.showPointerValue(PointerValue::DoubleClickSpeed, decimal(working_.DoubleClickSpeed));
  view_.showPointerValue(PointerValue::WheelScrollLines, decimal(working_.WheelScrollLines));
}

void PerformanceCommands::showAll() {
  showStage();
  showAcceleration();
  view_.showPollingRate(working_.PollingRate);
  showPointerValues();
}

bool PerformanceCommands::sliderMoved(int32_t position, int sliderId) {
  switch (sliderId) {
    case perf_slider::kLevel:
    case perf_slider::kLevelX:
    case perf_slider::kLevelY: {
      DpiInfo* stage = activeStage();
      if (!stage) return true;  // no stage to edit: nothing changes, nothing is stored
      const int index = working_.DPI;
      const int32_t level = LimitLevel(position);
      if (sliderId == perf_slider::kLevel) {
        stage->level = level;
        view_.setSlider(sliderId, position);
        showStageCaption(index, stage->level, stage->level);
      } else {
        (sliderId == perf_slider::kLevelX ? stage->levelX : stage->levelY) = level;
        view_.setSlider(sliderId, position);
        if (stage->separate != 0)
          showStageCaption(index, stage->levelX, stage->levelY);
        else
          showStageCaption(index, stage->level, stage->level);
      }
      settings_.save(dpiLevelNotice(index));
      return true;
    }
    case perf_slider::kAcceleration:
      working_.Acceleration = position;
      view_.setSlider(sliderId, position);
      settings_.save(accelerationNotice());
      return true;
    default:
      return false;
  }
}

void PerformanceCommands::chooseStage(int stage) {
  if (stage < 0 || stage >= kDpiStageCount) return;
  working_.DPI = stage;
  activeProfile(working_).DPI = stage;
  showStage();
  settings_.save(activeStageNotice());
}

void PerformanceCommands::separateAxesClicked() {
  // The box only ever turns separate axes off; a stage with separate axes comes from the
  // file alone.
  if (DpiInfo* stage = activeStage()) stage->separate = 0;
  view_.showSeparateAxes(false);
  view_.showAxisSliders(false);
  settings_.save();
}

void PerformanceCommands::accelerationSwitchClicked() {
  working_.AccelerationEnabled = AccelerationShownOn(working_.AccelerationEnabled) ? 0 : 1;
  view_.showAccelerationEnabled(AccelerationShownOn(working_.AccelerationEnabled));
  settings_.save(accelerationNotice());
}

void PerformanceCommands::choosePollingRate(int32_t rate) {
  working_.PollingRate = rate;
  view_.showPollingRate(rate);
  // The service reads the rate from the file when told, so the post goes with the save:
  // a save that has not landed yet keeps it until one does. The mouse then drops off and
  // comes back; without a service nothing is posted and nothing is expected.
  const std::optional<ServiceNotice> notice = pollingRateNotice(rate);
  if (notice && settings_.service().find()) settings_.expectReconnect(true);
  settings_.save(notice);
}

void PerformanceCommands::stepPointerValue(PointerValue which, bool up) {
  const bool doubleClick = which == PointerValue::DoubleClickSpeed;
  int32_t& value = doubleClick ? working_.DoubleClickSpeed : working_.WheelScrollLines;
  const PointerLimits limits = doubleClick ? kDoubleClickSpeedLimits : kWheelScrollLinesLimits;
  value = up ? StepPointerValueUp(value, limits) : StepPointerValueDown(value, limits);
  view_.showPointerValue(which, decimal(value));
  settings_.save(doubleClick ? doubleClickSpeedNotice() : wheelScrollLinesNotice());
}

}  // namespace ko
