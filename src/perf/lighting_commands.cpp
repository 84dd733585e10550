#include "perf/lighting_commands.h"

namespace ko {

std::vector<LightingMenuEntry> ModeMenuEntries() {
  std::vector<LightingMenuEntry> entries;
  for (int32_t mode = 1; mode <= 4; ++mode)
    entries.push_back({ModeTextKey(mode), lighting_command::kFirstMode + mode - 1});
  return entries;
}

std::vector<LightingMenuEntry> DirectionMenuEntries(int32_t mode) {
  int32_t first = 0;
  if (mode == 2) first = 1;
  if (mode == 5) first = 3;
  if (first == 0) return {};
  return {{DirectionTextKey(first), lighting_command::kFirstDirection + first - 1},
          {DirectionTextKey(first + 1), lighting_command::kFirstDirection + first}};
}

bool ModeHasDirections(int32_t mode) { return mode == 2 || mode == 5; }
bool IsKnownMode(int32_t mode) { return mode >= 1 && mode <= 6; }

Text ModeTextKey(int32_t mode) { return IsKnownMode(mode) ? u"LEDMODE" + decimal(mode) : Text(); }
Text DirectionTextKey(int32_t direction) {
  return direction >= 1 && direction <= 4 ? u"LEDMODEDIR" + decimal(direction) : Text();
}

Text LevelText(int32_t level) {
  if (level < 1 || level > 6) return u"0";
  return decimal((level - 1) * 20);
}

LightingCommands::LightingCommands(SettingsStore& settings, LightingView& view, TextLookup text)
    : working_(settings.working()), settings_(settings), view_(view), text_(std::move(text)) {}

void LightingCommands::showDirection() {
  const int32_t mode = working_.LedMode;
  if (!IsKnownMode(mode)) return;  // an unknown mode leaves the direction button as it is
  const bool directions = ModeHasDirections(mode);
  view_.enableDirection(directions);
  // A directionless mode shows no direction rather than one it does not use.
  const Text key = directions ? DirectionTextKey(record().direction) : Text();
  view_.showDirectionCaption(key.empty() ? Text() : text_(key));
}

void LightingCommands::showAll() {
  const LedModeInfo& info = record();
  view_.showEffect(info.effectParam != 0, info.effectParam);
  view_.showLevel(info.level, LevelText(info.level));
  if (working_.LedStateOn == 0 || working_.LedStateOn == 1) view_.showLightOn(working_.LedStateOn == 1);
  const Text key = ModeTextKey(working_.LedMode);
  view_.showModeCaption(key.empty() ? Text() : text_(key));
  showDirection();
}

void LightingCommands::store() { settings_.save(lightingChangedNotice()); }

void LightingCommands::lightOn(bool on) {
  working_.LedStateOn = on ? 1 : 0;
  view_.showLightOn(on);
  store();
}

void LightingCommands::effectSwitchClicked() {
  LedModeInfo& info = record();
  info.effectParam = info.effectParam != 0 ? 0 : kEffectOnValue;
  view_.showEffect(info.effectParam != 0, info.effectParam);
  store();
}

bool LightingCommands::sliderMoved(int32_t position, int sliderId) {
  LedModeInfo& info = record();
  if (sliderId == lighting_slider::kEffect) {
    info.effectParam = position;
    view_.showEffect(info.effectParam != 0, info.effectParam);
  } else if (sliderId == lighting_slider::kLevel) {
    info.level = position;
    view_.showLevel(info.level, LevelText(info.level));
  } else {
    return false;
  }
  store();
  return true;
}

void LightingCommands::menuChoice(int32_t command) {
  if (command >= lighting_command::kFirstDirection && command <= lighting_command::kLastDirection) {
    record().direction = command - lighting_command::kFirstDirection + 1;
    view_.showDirectionCaption(text_(DirectionTextKey(record().direction)));
  } else {
    const bool listed = command > lighting_command::kFirstMode && command <= lighting_command::kLastMode;
    working_.LedMode = listed ? command - lighting_command::kFirstMode + 1 : 1;
    showAll();
  }
  store();
}

void LightingCommands::colourPicked(uint32_t colour) {
  working_.LedColor = static_cast<int32_t>(colour);
  store();
}

}  // namespace ko
