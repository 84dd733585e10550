#include "app/first_start.h"

#include "app/restore_all.h"
#include "settings/settings_file.h"

namespace ko {

bool holdsNoSettings(TextView settingsPath, ProfileStrings& strings) {
  // Every writer of the file writes "Profile" first; a marker no real value can take
  // tells a missing key from any stored one.
  constexpr char16_t kAbsent[] = u"\x1F" u"absent";
  return strings.readString(settingsPath, kSettingSection, u"Profile", kAbsent) == kAbsent;
}

void startFromFactorySettings(SettingsRecord& working) {
  restoreAllProfiles(working);
  // The reload left the load defaults in the fields the factory routine does not set;
  // these keep them (MouseButtons 11, TrayEnabled 1 after validation).
}

}  // namespace ko
