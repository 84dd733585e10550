// Where the program keeps the user's settings: the settings folder below the roaming
// application-data folder, "Mouse.ini" in it and the macro folder "Macro\".
#pragma once
#include "platform/wide_text.h"

namespace ko {

struct SettingsPlaces {
  Text folder;        // "<roaming>\VX48K2\RoduraZoviv\"
  Text settingsFile;  // folder + "Mouse.ini"
  Text macroFolder;   // folder + "Macro\"
};

// `roamingFolder` without a trailing backslash, as the shell reports it. An empty one (the
// shell could not say) leaves the paths without a folder part.
SettingsPlaces settingsPlacesBelow(TextView roamingFolder);

// Creates the settings folder and its macro folder when they are missing: without them
// every save would fail and each change the user makes would be lost. True when both exist
// afterwards; nothing is created for paths without a folder part.
bool ensureSettingsFolders(const SettingsPlaces& places);

}  // namespace ko
