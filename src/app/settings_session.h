// The settings as one run of the program opens them, shared by the main window and by a
// command run without it, so that both start from the same file; both then save through
// the same store.
#pragma once
#include <functional>
#include "app/first_start.h"
#include "app/settings_places.h"
#include "settings/settings_store.h"

namespace ko {

// Start-up's part on the settings: the folders made when missing, what a save cut short
// left behind removed, and the reload of "Mouse.ini" (see loadStartupSettings; while the
// file cannot be read, `keepWaiting` pauses and says whether to try again).
StartupSettings openUserSettings(const SettingsPlaces& places, SettingsStore& settings,
                                 const std::function<bool()>& keepWaiting);

}  // namespace ko
