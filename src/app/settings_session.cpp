#include "app/settings_session.h"

#include "platform/file_system.h"
#include "settings/settings_file.h"

namespace ko {
StartupSettings openUserSettings(const SettingsPlaces& places, SettingsRecord& working, SettingsRecord& loadBuffer,
                                 const std::function<bool()>& keepWaiting) {
  ensureSettingsFolders(places);
  // A save cut short by a killed process leaves its new file beside the old one: a journal
  // of a write into the file itself is finished, a sibling never renamed is dropped.
  finishInterruptedSaves(places.folder);
  removeStrayReplaceFiles(places.folder);
  removeStrayReplaceFiles(places.macroFolder);
  return loadStartupSettings(working, loadBuffer, places.settingsFile, keepWaiting);
}

bool saveUserSettings(ServiceWindow& service, const SettingsRecord& working, TextView settingsFile,
                      const std::optional<ServiceNotice>& notice) {
  bool saved = false;
  saveThenNotify(service, [&] { return saved = SaveSettings(working, settingsFile); }, notice);
  return saved;
}

}  // namespace ko
