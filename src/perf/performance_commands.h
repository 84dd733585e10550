// The performance page's rules: the six DPI stages with their tiles and level sliders,
// the separate-axes box, acceleration, the polling rate and the two pointer values. Every
// command changes the working record, stores it and tells the service; the page only
// shows what the view calls say.
#pragma once
#include <cstdint>
#include "settings/settings_store.h"
#include "platform/wide_text.h"
#include "settings/settings_record.h"

namespace ko {

// The slider identifiers of the performance page (message 1094, lParam).
namespace perf_slider {
inline constexpr int kLevel = 10001;
inline constexpr int kLevelX = 10002;
inline constexpr int kLevelY = 10003;
inline constexpr int kAcceleration = 10010;
}  // namespace perf_slider

// The four polling buttons, first to fourth.
inline constexpr int32_t kPollingRates[4] = {8, 4, 2, 1};

enum class PointerValue { DoubleClickSpeed, WheelScrollLines };

class PerformanceView {
 public:
  virtual ~PerformanceView() = default;
  virtual void showStageCaption(int stage, const Text& caption) = 0;
  // Exactly the tile of `stage` pressed; none when the stored stage is not 0..5.
  virtual void showActiveStage(int32_t stage) = 0;
  virtual void showSeparateAxes(bool on) = 0;
  virtual void setSlider(int sliderId, int32_t position) = 0;
  // The level slider shows and the X and Y sliders hide (false), or the reverse.
  virtual void showAxisSliders(bool axes) = 0;
  virtual void showAccelerationEnabled(bool on) = 0;
  // The button of `rate` pressed, the other three released (all released for another rate).
  virtual void showPollingRate(int32_t rate) = 0;
  virtual void showPointerValue(PointerValue which, const Text& text) = 0;
};

class PerformanceCommands {
 public:
  PerformanceCommands(SettingsStore& settings, PerformanceView& view, Text stageWord);

  // Sets every control from the working record (start-up, device notices, page refresh).
  void showAll();
  // The tiles, the separate box and the level sliders of the active stage.
  void showStage();

  // Message 1094 from one of this page's sliders (repeats are already filtered out by the
  // window); false when the identifier is not one of them.
  bool sliderMoved(int32_t position, int sliderId);
  void chooseStage(int stage);
  void separateAxesClicked();
  void accelerationSwitchClicked();
  void choosePollingRate(int32_t rate);
  void stepPointerValue(PointerValue which, bool up);

 private:
  // The active stage's record; nullptr when "DPI" is not a stage index, and the level
  // sliders then have nothing to edit.
  DpiInfo* activeStage();
  void showStageCaption(int stage, int32_t xLevel, int32_t yLevel);
  void showPointerValues();
  void showAcceleration();

  SettingsRecord& working_;
  SettingsStore& settings_;
  PerformanceView& view_;
  Text stageWord_;
};

// The switch shows on only for a stored 1; a click turns an "on" switch off and anything
// else (0, or an unset -1) on.
bool AccelerationShownOn(int32_t stored);

}  // namespace ko
