#include "app/first_start.h"

#include <memory>
#include "app/restore_all.h"
#include "settings/settings_file.h"

namespace ko {
namespace {

template <typename Record>
bool allWordsUnset(const Record& record) {
  const int32_t* words = reinterpret_cast<const int32_t*>(&record);
  for (size_t i = 0; i < sizeof(Record) / sizeof(int32_t); ++i)
    if (words[i] != kUnset) return false;
  return true;
}

template <typename Value>
bool fill(Value& field, const Value& factory, bool unset) {
  if (!unset) return false;
  field = factory;
  return true;
}

}  // namespace

bool holdsNoSettings(TextView settingsPath, ProfileStrings& strings) {
  // Every writer of the file writes "Profile" first; a marker no real value can take
  // tells a missing key from any stored one.
  constexpr char16_t kAbsent[] = u"\x1F" u"absent";
  return strings.readString(settingsPath, kSettingSection, u"Profile", kAbsent) == kAbsent;
}

bool fillUnsetFromFactory(SettingsRecord& working) {
  auto factory = std::make_unique<SettingsRecord>(working);
  restoreAllProfiles(*factory);
  const SettingsRecord& f = *factory;
  bool filled = false;
  for (int32_t SettingsRecord::*field :
       {&SettingsRecord::DPI, &SettingsRecord::PollingRate, &SettingsRecord::LedStateOn, &SettingsRecord::LedColor,
        &SettingsRecord::LedMode, &SettingsRecord::DoubleClickSpeed, &SettingsRecord::WheelScrollLines,
        &SettingsRecord::Acceleration, &SettingsRecord::AccelerationEnabled, &SettingsRecord::MouseSensitivity,
        &SettingsRecord::UniversalScrollEnabled})
    filled |= fill(working.*field, f.*field, working.*field == kUnset);
  for (int i = 0; i < kDpiStageCount; ++i)
    filled |= fill(working.DPI_INFO[i], f.DPI_INFO[i], allWordsUnset(working.DPI_INFO[i]));
  for (int i = 0; i < kLedModeInfoCount; ++i)
    filled |= fill(working.LED_MODE_INFO[i], f.LED_MODE_INFO[i], allWordsUnset(working.LED_MODE_INFO[i]));
  for (int p = 0; p < kProfileCount; ++p)
    filled |= fill(working.Profiles[p].DPI, f.Profiles[p].DPI, working.Profiles[p].DPI == kUnset);
  return filled;
}

StartupSettings loadStartupSettings(SettingsStore& settings, const std::function<bool()>& keepWaiting) {
  StartupSettings result;
  SettingsRecord& working = settings.working();
  SettingsReload reload = settings.reload(ReloadWhen::Starting);
  while (reload == SettingsReload::Unreadable && keepWaiting && keepWaiting())
    reload = settings.reload(ReloadWhen::Starting);
  if (reload == SettingsReload::Unreadable) {
    // Run on factory values; writing them would replace the settings the file holds.
    auto nothingRead = std::make_unique<SettingsRecord>();
    ResetSettings(*nothingRead);
    nothingRead->LedMode = kUnset;  // the reset leaves it alone; here nothing was read into it
    ValidateSettings(working, *nothingRead);
    result.filled = fillUnsetFromFactory(working);
    return result;
  }
  result.readFile = true;
  result.saved = reload == SettingsReload::Saved;
  result.filled = fillUnsetFromFactory(working);
  if (result.filled) result.saved = settings.save();
  return result;
}

}  // namespace ko
