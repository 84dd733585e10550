// Profile-string calls that reach the settings file as edits through the settings store
// (see SettingsStore::editFile) instead of the platform's profile functions. Under Wine
// those keep the file cached and trust the cache while the file's last-write time is
// unchanged; the device service writes the file every few milliseconds, often within one
// tick of that time, so the cached copy goes stale and a write from it puts old contents
// back. Calls on any other file go to the platform's functions as before.
#pragma once
#include "platform/profile_strings.h"
#include "platform/wide_text.h"
#include "settings/settings_store.h"

namespace ko {

class SharedSettingsStrings final : public ProfileStrings {
 public:
  explicit SharedSettingsStrings(SettingsStore& settings, ProfileStrings& others = platformProfileStrings())
      : settings_(settings), others_(others) {}
  SharedSettingsStrings(const SharedSettingsStrings&) = delete;
  SharedSettingsStrings& operator=(const SharedSettingsStrings&) = delete;

  Text readString(TextView file, TextView section, TextView key, TextView fallback) override;
  bool writeString(TextView file, TextView section, TextView key, TextView value) override;
  int32_t readInt(TextView file, TextView section, TextView key, int32_t fallback) override;
  bool readStruct(TextView file, TextView section, TextView key, void* buffer, size_t size) override;
  bool writeStruct(TextView file, TextView section, TextView key, const void* bytes, size_t size) override;

 private:
  bool isSettings(TextView file) const { return file == settings_.path(); }

  SettingsStore& settings_;
  ProfileStrings& others_;
};

}  // namespace ko
