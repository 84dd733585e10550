// A start without settings: no "Mouse.ini" yet (a new installation) or a file that holds
// none of the program's settings (a damaged one). Read as it stands, such a file leaves
// every stage, lighting and pointer value unset (-1): the pages would show "-250" DPI and a
// double-click speed of -1, and the device service would read those into the mouse. The
// program then starts from the factory settings instead, and saves them once.
#pragma once
#include "platform/profile_strings.h"
#include "platform/wide_text.h"
#include "settings/settings_record.h"

namespace ko {

// True when section "Setting" of the file names no active profile: the file is missing,
// unreadable, or was never written by the program or the device service.
bool holdsNoSettings(TextView settingsPath, ProfileStrings& strings = platformProfileStrings());

// The factory settings for every profile, the first profile active; the service's own
// counters (LeftCount, RightCount) keep what the file had.
void startFromFactorySettings(SettingsRecord& working);

}  // namespace ko
