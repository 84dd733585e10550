// The settings as one run of the program opens and saves them, shared by the main window
// and by a command run without it, so that both leave the same file and the same notices.
// Order: openUserSettings once, then saveUserSettings after each change.
#pragma once
#include <functional>
#include <optional>
#include "app/first_start.h"
#include "app/settings_places.h"
#include "platform/service_window.h"
#include "settings/service_link.h"
#include "settings/settings_record.h"

namespace ko {

// Start-up's part on the settings: the folders made when missing, what a save cut short
// left behind removed, and the reload of "Mouse.ini" (see loadStartupSettings; while the
// file cannot be read, `keepWaiting` pauses and says whether to try again).
StartupSettings openUserSettings(const SettingsPlaces& places, SettingsRecord& working, SettingsRecord& loadBuffer,
                                 const std::function<bool()>& keepWaiting);

// Every command's save: find the service, save the whole working record, then send
// `notice` when the service was found and the save landed. True when it landed.
bool saveUserSettings(ServiceWindow& service, const SettingsRecord& working, TextView settingsFile,
                      const std::optional<ServiceNotice>& notice);

}  // namespace ko
