#include "settings/settings_store.h"

#include <cstring>
#include "settings/settings_base.h"

namespace ko {

SettingsStore::SettingsStore(Text settingsPath, ServiceWindow& service)
    : path_(std::move(settingsPath)),
      service_(service),
      working_(std::make_unique<SettingsRecord>()),
      loadBuffer_(std::make_unique<SettingsRecord>()) {
  std::memset(working_.get(), 0, sizeof(SettingsRecord));
  std::memset(loadBuffer_.get(), 0, sizeof(SettingsRecord));
}

SettingsReload SettingsStore::reload(ReloadWhen when) {
  return reloadSettingsFrom(*working_, *loadBuffer_, path_, kProfileFromFile, when);
}

SettingsReload SettingsStore::importFrom(TextView file, int32_t profile) {
  const SettingsReload read = reloadSettingsFrom(*working_, *loadBuffer_, file, profile);
  if (read != SettingsReload::Unreadable) forgetBase(path_);
  return read;
}

bool SettingsStore::reloadDpiInfos() { return ::ko::reloadDpiInfos(*working_, path_); }

bool SettingsStore::save(const std::optional<ServiceNotice>& notice) {
  return save(notice ? std::vector<ServiceNotice>{*notice} : std::vector<ServiceNotice>{});
}

bool SettingsStore::save(const std::vector<ServiceNotice>& notices) {
  const bool saved = saveNow(notices);
  if (onSaved_) onSaved_(waiting());
  return saved;
}

bool SettingsStore::saveNow(const std::vector<ServiceNotice>& notices) {
  // The changes stay in the working record, where they differ from the base, until a save
  // lands: a retry is the same merge.
  return backlog_.saveThenNotify(service_, [this] { return SaveSettings(*working_, path_); }, notices);
}

bool SettingsStore::retry() {
  if (waiting()) saveNow({});
  return !waiting();
}

bool SettingsStore::exportTo(TextView file) const {
  if (file.empty()) return false;
  // An export holds the whole record, whatever the file held before.
  forgetBase(file);
  return SaveSettings(*working_, file);
}

bool SettingsStore::editFile(const std::function<bool(ProfileStrings&)>& change) {
  return updateSettingsFile(path_, change);
}

bool SettingsStore::announce(const ServiceNotice& notice) { return notifyService(service_, notice); }

}  // namespace ko
