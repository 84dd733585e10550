// Profiles as the user handles them: choosing the active one of the five, and saving all
// settings to a profile file (".prof", the layout of "Mouse.ini") or loading them back.
// The file dialogs are the window's; these commands do what follows the user's choice.
#pragma once
#include <optional>
#include "platform/wide_text.h"
#include "settings/settings_store.h"

namespace ko {

// What the profile commands need of the main window.
class ProfileHost {
 public:
  virtual ~ProfileHost() = default;
  virtual SettingsStore& settings() = 0;
  virtual void refreshAllPages() = 0;
};

// What the profile-file dialogs open with.
struct ProfileFileDialog {
  Text filter;            // "Profile File(*.prof)|*.prof|"
  Text initialName;       // "*.prof"
  Text defaultExtension;  // ".prof"
  Text initialFolder;     // the settings folder, with its trailing separator
};
ProfileFileDialog profileFileDialog(TextView settingsPath);

// A profile tab: makes `profileIndex` active, shows it, saves and sends 1298. The tab of
// the active profile, or an index outside 0..4, does nothing (false).
bool SelectProfile(ProfileHost& host, int profileIndex);

// After the save dialog: writes every setting to `path`. Keys the export does not write
// (those of the settings file alone) stay in an existing file.
bool ExportProfileFile(ProfileHost& host, TextView path);

// After the open dialog: loads `path` (which is rewritten with every key), validates it
// into the working record with profile 0 active, saves, sends 1279, remembers the file's
// title as "ProfileName" and shows the new settings. False (and nothing changed) when
// `path` is no file or cannot be read.
bool ImportProfileFile(ProfileHost& host, TextView path);

}  // namespace ko
