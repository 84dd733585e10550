// The start page's "restore all": every profile back to its factory assignments and
// stages, the device-wide values to theirs, and the first profile active.
#pragma once
#include "settings/settings_record.h"

namespace ko {

void restoreAllProfiles(SettingsRecord& record);

}  // namespace ko
