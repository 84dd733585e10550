#include "app/settings_session.h"

#include "platform/file_system.h"
#include "settings/settings_file.h"

namespace ko {
StartupSettings openUserSettings(const SettingsPlaces& places, SettingsStore& settings,
                                 const std::function<bool()>& keepWaiting) {
  ensureSettingsFolders(places);
  // A save cut short by a killed process leaves its new file beside the old one: a journal
  // of a write into the file itself is finished, a sibling never renamed is dropped.
  finishInterruptedSaves(places.folder);
  removeStrayReplaceFiles(places.folder);
  removeStrayReplaceFiles(places.macroFolder);
  return loadStartupSettings(settings, keepWaiting);
}

}  // namespace ko
