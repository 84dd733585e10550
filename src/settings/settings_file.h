// Loading, saving, validating and defaulting the settings record against "Mouse.ini" (and
// profile files, which share its layout). Every routine takes the file path and, last, the
// profile-string backend, so tests and batched saves can choose where the keys go.
//
// The saving routines return whether every key was written. Callers today go on either
// way (a missing folder is the installer's business), but nothing here claims a success
// that did not happen.
#pragma once
#include <cstdint>
#include <functional>
#include "platform/profile_strings.h"
#include "platform/wide_text.h"
#include "settings/settings_record.h"

namespace ko {

constexpr char16_t kSettingSection[] = u"Setting";
// "Name of the profile file imported last", kept in section "Setting"; not part of the record.
constexpr char16_t kProfileNameKey[] = u"ProfileName";
// Passed as the profile override to take "Profile" from the file.
constexpr int32_t kProfileFromFile = -1;

// Section of profile `index`: "GROUP" for 0 (and anything below), "GROUP<n>" above.
Text profileSectionName(int index);

// Marks the whole record unset; counters, MouseButtons and LedMode are left alone.
void ResetSettings(SettingsRecord& record);

// Fills the record from the file. Absent keys take their load defaults; an absent or
// damaged record value leaves that record as it was.
void ReadSettingsFile(SettingsRecord& record, TextView path, int32_t profileOverride,
                      ProfileStrings& strings = platformProfileStrings());

// Writes every key of the record, key by key, in the settings file's canonical order.
// Values go out as they are (unset -1 included), except the service's click counters:
// "LeftCount" and "RightCount" keep what the file holds, and only a file without them
// gets the record's.
bool WriteSettingsFile(const SettingsRecord& record, TextView path,
                       ProfileStrings& strings = platformProfileStrings());

// The one entry point the pages use to store settings: the keys of WriteSettingsFile, in its
// order and in the file's own encoding, as one transaction. The file is read once, every
// key is applied in memory exactly as the profile-string functions would apply it, and the
// result replaces the file in one step (see replaceFileContents), so other writers' keys
// survive byte for byte and a crash leaves the old file or the new one, never a mixture.
// When another program wrote the file between the read and the replace, the save starts
// again from its contents. A file that exists but cannot be read is not written at all.
// False when the file could not be written; the old file is then as it was.
bool SaveSettings(const SettingsRecord& record, TextView path);
// With a wait above 0, each such save looks at the file once or twice more after that many
// milliseconds and puts its keys back if another writer's late write had undone them (see
// the save). The program sets it at start; 0 (no second look) otherwise.
void setSaveSecondLookMs(int ms);
// The same keys one call at a time through `strings`, each call rewriting the file: the
// way the profile functions themselves save, kept to compare the transaction against.
bool SaveSettings(const SettingsRecord& record, TextView path, ProfileStrings& strings);

// Reads the file, then rewrites it from the record, so afterwards the file holds every key.
// Without a backend, the reads and the save share one transaction: one read, one replace.
bool LoadSettings(SettingsRecord& record, TextView path, int32_t profileOverride);
bool LoadSettings(SettingsRecord& record, TextView path, int32_t profileOverride, ProfileStrings& strings);

// Copies the source whole into the destination, then repairs the destination.
void ValidateSettings(SettingsRecord& destination, const SettingsRecord& source);

// Device-wide factory values plus profile `profileIndex`'s DPI stage and assignments.
// An index outside 0..4 touches no profile.
void ApplyFactoryDefaults(SettingsRecord& record, int profileIndex);

void ReadProfileSection(ProfileRecord& profile, int profileIndex, TextView path,
                        ProfileStrings& strings = platformProfileStrings());
// Writes "DPI" and "ButtonAssigned1".."ButtonAssigned11"; Name and Exe are never written.
bool WriteProfileSection(const ProfileRecord& profile, int profileIndex, TextView path,
                         ProfileStrings& strings = platformProfileStrings());

// Changes a few keys of the file as one transaction of its own (see SaveSettings), not
// through the profile functions: under Wine those keep the file cached and, when two
// writes fall within one tick of the file clock, work on an old copy. A change that wrote
// something takes a save's second looks too. True when every change was made and the file
// holds it.
bool updateSettingsFile(TextView path, const std::function<bool(ProfileStrings&)>& change);

// Only the six DPI stage records, as the device service rewrote them.
void ReadDpiInfos(SettingsRecord& record, TextView path, ProfileStrings& strings = platformProfileStrings());

// Only "PollingRate"; the polling buttons write nothing else.
bool WritePollingRate(int32_t interval, TextView path, ProfileStrings& strings = platformProfileStrings());

// Replaces every assignment whose function code is not storable by its button's factory
// assignment (ButtonNumber and MacroName survive).
void RepairProfileAssignments(ProfileRecord& profile);

enum class SettingsReload {
  Saved,       // read, validated into the working record, and the file rewritten
  NotSaved,    // read and validated, but the rewrite failed (a read-only file, say)
  Unreadable,  // the file exists but could not be read: neither record was touched
};
// The whole reload as one transaction, telling an unreadable file from an empty one.
SettingsReload reloadSettingsFrom(SettingsRecord& working, SettingsRecord& loadBuffer, TextView path,
                                  int32_t profileOverride);

// The whole reload used at start-up, after an import and on device changes: reset the load
// buffer, load it (which rewrites the file), validate it into the working record.
// Without a backend the load is the batched one above.
bool reloadSettings(SettingsRecord& working, SettingsRecord& loadBuffer, TextView path, int32_t profileOverride);
bool reloadSettings(SettingsRecord& working, SettingsRecord& loadBuffer, TextView path, int32_t profileOverride,
                    ProfileStrings& strings);

// The profile the record names as active; profile 0 when Profile is out of range, so a
// damaged record can never index past the five profiles.
ProfileRecord& activeProfile(SettingsRecord& record);
const ProfileRecord& activeProfile(const SettingsRecord& record);

}  // namespace ko
