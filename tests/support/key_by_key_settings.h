// The settings written and read one key at a time through a profile-string backend, the way
// the system's profile functions (and the device service) do it. The program never saves
// so; tests keep it to drive a file as the service would, to check the key order a new file
// gets, and the benchmark to compare the program's whole-file save against.
#pragma once
#include <memory>
#include "platform/profile_file.h"
#include "platform/profile_strings.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"

namespace ko {

// Every key of the record in the file's write order, each call rewriting the file. The
// click counters are the service's: a counter the file holds keeps its value and only a
// missing one gets the record's. Every key is attempted even after a failure.
inline bool WriteSettingsFile(const SettingsRecord& record, TextView path, ProfileStrings& strings) {
  const ProfileFile file{Text(path), strings};
  auto out = std::make_unique<SettingsRecord>(record);
  out->LeftCount = file.readInt(kSettingSection, u"LeftCount", record.LeftCount);
  out->RightCount = file.readInt(kSettingSection, u"RightCount", record.RightCount);
  bool ok = true;
  for (const SettingKey& key : settingKeys()) ok &= file.writeString(key.section, key.key, storedText(*out, key));
  return ok;
}

inline bool SaveSettings(const SettingsRecord& record, TextView path, ProfileStrings& strings) {
  return WriteSettingsFile(record, path, strings);
}

// Reads the file key by key, then writes every key back.
inline bool LoadSettings(SettingsRecord& record, TextView path, int32_t profileOverride, ProfileStrings& strings) {
  ReadSettingsFile(record, path, profileOverride, strings);
  return WriteSettingsFile(record, path, strings);
}

// Reset the load buffer, load it (which rewrites the file), validate it into the working record.
inline bool reloadSettings(SettingsRecord& working, SettingsRecord& loadBuffer, TextView path,
                           int32_t profileOverride, ProfileStrings& strings) {
  ResetSettings(loadBuffer);
  const bool saved = LoadSettings(loadBuffer, path, profileOverride, strings);
  ValidateSettings(working, loadBuffer);
  return saved;
}

// "DPI" and "ButtonAssigned1".."ButtonAssigned11" of one profile section; Name and Exe
// are never written.
inline bool WriteProfileSection(const ProfileRecord& profile, int profileIndex, TextView path,
                                ProfileStrings& strings) {
  const ProfileFile file{Text(path), strings};
  const Text section = profileSectionName(profileIndex);
  bool ok = file.writeInt(section, u"DPI", profile.DPI);
  for (int k = 0; k < kButtonCount; ++k)
    ok &= file.writeStruct(section, u"ButtonAssigned" + decimal(k + 1), &profile.ButtonAssigned[k],
                           sizeof(ButtonAssignment));
  return ok;
}

}  // namespace ko
