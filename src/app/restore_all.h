// The start page's "restore all": every profile back to its factory assignments and
// stages, the device-wide values to theirs, and the first profile active.
#pragma once
#include "platform/wide_text.h"
#include "settings/settings_record.h"

namespace ko {

void restoreAllProfiles(SettingsRecord& record);

// The command itself, on the working record: as above, and the next save to `settingsPath`
// writes every stage record, also one equal to what the program last saw in the file, so the
// user's choice goes over a stage the service wrote there meanwhile.
void restoreAllSettings(SettingsRecord& record, TextView settingsPath);

}  // namespace ko
