#include "app/restore_all.h"

#include "settings/settings_base.h"
#include "settings/settings_file.h"

namespace ko {

void restoreAllProfiles(SettingsRecord& record) {
  // Profile 0 first: the factory routine gives the active stage to the profile that is
  // current while it runs, and each profile in turn gets its own defaults.
  record.Profile = 0;
  for (int profile = 0; profile < kProfileCount; ++profile) ApplyFactoryDefaults(record, profile);
}

void restoreAllSettings(SettingsRecord& record, TextView settingsPath) {
  restoreAllProfiles(record);
  forgetBase(settingsPath);
}

}  // namespace ko
