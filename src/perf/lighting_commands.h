// The lighting page's rules: on and off, the effect mode and its direction, the effect
// parameter, the level and the colour. The page reads and writes the first lighting record
// whatever the mode; every change is stored and announced with message 1227.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>
#include "settings/settings_store.h"
#include "platform/wide_text.h"
#include "settings/settings_record.h"

namespace ko {

namespace lighting_slider {
inline constexpr int kEffect = 10008;
inline constexpr int kLevel = 10009;
}  // namespace lighting_slider

// Menu commands: modes 1..6 are 40005..40010, directions 1..4 are 40011..40014.
namespace lighting_command {
inline constexpr int32_t kFirstMode = 40005;
inline constexpr int32_t kLastMode = 40010;
inline constexpr int32_t kFirstDirection = 40011;
inline constexpr int32_t kLastDirection = 40014;
}  // namespace lighting_command

inline constexpr int32_t kEffectOnValue = 3;  // what the effect switch stores when turned on

struct LightingMenuEntry {
  Text textKey;  // language key of section "BUTTONPAGE"
  int32_t command;
};

// The mode menu offers modes 1 to 4; 5 and 6 are only shown when stored.
std::vector<LightingMenuEntry> ModeMenuEntries();
// Mode 2: directions 1 and 2; mode 5: directions 3 and 4; other modes have none.
std::vector<LightingMenuEntry> DirectionMenuEntries(int32_t mode);
bool ModeHasDirections(int32_t mode);
bool IsKnownMode(int32_t mode);
// "LEDMODE<n>" for modes 1..6, "" otherwise; "LEDMODEDIR<n>" for directions 1..4.
Text ModeTextKey(int32_t mode);
Text DirectionTextKey(int32_t direction);
// Level 1..6 shows as 0, 20, 40, 60, 80, 100; any other level as 0.
Text LevelText(int32_t level);

class LightingView {
 public:
  virtual ~LightingView() = default;
  // On pressed and off released (true), or the reverse.
  virtual void showLightOn(bool on) = 0;
  virtual void showModeCaption(const Text& caption) = 0;
  virtual void enableDirection(bool enabled) = 0;
  virtual void showDirectionCaption(const Text& caption) = 0;
  // Switch on and slider enabled when `on`; the slider stands at `param`.
  virtual void showEffect(bool on, int32_t param) = 0;
  virtual void showLevel(int32_t level, const Text& text) = 0;
};

class LightingCommands {
 public:
  using TextLookup = std::function<Text(TextView key)>;
  LightingCommands(SettingsStore& settings, LightingView& view, TextLookup text);

  void showAll();
  void lightOn(bool on);
  void effectSwitchClicked();
  // Message 1094 for the effect or level slider; false for another identifier.
  bool sliderMoved(int32_t position, int sliderId);
  // A command of the mode or direction menu.
  void menuChoice(int32_t command);
  // Message 1303 from the colour picker.
  void colourPicked(uint32_t colour);

  LedModeInfo& record() { return working_.LED_MODE_INFO[0]; }

 private:
  void showDirection();
  void store();

  SettingsRecord& working_;
  SettingsStore& settings_;
  LightingView& view_;
  TextLookup text_;
};

}  // namespace ko
