#include "settings/profile_commands.h"

#include "platform/file_system.h"
#include "platform/file_title.h"
#include "platform/profile_file.h"
#include "settings/settings_file.h"

namespace ko {
namespace {

constexpr int32_t kImportedProfile = 0;

Text folderOf(TextView path) {
  const size_t separator = path.find_last_of(u"\\/");
  return separator == TextView::npos ? Text() : Text(path.substr(0, separator + 1));
}

}  // namespace

ProfileFileDialog profileFileDialog(TextView settingsPath) {
  // The dialog wants a folder; the settings file itself would not open there.
  return ProfileFileDialog{u"Profile File(*.prof)|*.prof|", u"*.prof", u".prof", folderOf(settingsPath)};
}

bool SelectProfile(ProfileHost& host, int profileIndex) {
  SettingsRecord& working = host.settings().working();
  if (profileIndex < 0 || profileIndex >= kProfileCount || working.Profile == profileIndex) return false;
  working.Profile = profileIndex;
  host.refreshAllPages();
  host.settings().save(profileChangedNotice());
  return true;
}

bool ExportProfileFile(ProfileHost& host, TextView path) {
  return host.settings().exportTo(path);
}

bool ImportProfileFile(ProfileHost& host, TextView path) {
  // Loading a file that is not there would make one full of defaults and apply it.
  if (path.empty() || !fileExists(path)) return false;
  // Nor is a file that cannot be read imported as one holding nothing.
  SettingsStore& settings = host.settings();
  // The imported settings go over the file's, also where they equal what the program last
  // saw there and the service has written another meanwhile.
  if (settings.importFrom(path, kImportedProfile) == SettingsReload::Unreadable) return false;
  settings.save(settingsAppliedNotice());
  settings.editFile([&](ProfileStrings& file) {
    return ProfileFile(settings.path(), file).writeString(kSettingSection, kProfileNameKey, fileTitleOf(path));
  });
  host.refreshAllPages();
  return true;
}

}  // namespace ko
