#include "app/first_start.h"

#include <memory>
#include "settings/settings_file.h"
#include "settings/settings_keys.h"

namespace ko {

bool holdsNoSettings(TextView settingsPath, ProfileStrings& strings) {
  // Every writer of the file writes "Profile" first; a marker no real value can take
  // tells a missing key from any stored one.
  constexpr char16_t kAbsent[] = u"\x1F" u"absent";
  return strings.readString(settingsPath, kSettingSection, u"Profile", kAbsent) == kAbsent;
}

bool fillUnsetFromFactory(SettingsRecord& working) {
  bool filled = false;
  for (const SettingKey& key : settingKeys()) {
    if (!key.factory || key.isAssignment || !isUnset(working, key)) continue;
    key.factory(key.in(working));
    filled = true;
  }
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
