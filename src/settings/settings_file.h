// Loading, saving, validating and defaulting the settings record against "Mouse.ini" (and
// profile files, which share its layout). The program reaches these through its settings
// store (settings_store.h); a file is always read whole and written whole.
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

// Marks the whole record unset (each key as settingKeys() resets it: counters, MouseButtons
// and LedMode are left alone), and empties the profiles' names and programs.
void ResetSettings(SettingsRecord& record);

// The one entry point the program uses to store settings, a merge (see settings_base.h and
// shared_file_edit.h): the file as it is now, with the record's value put in for each key
// the program changed since it last read or wrote that key, and for each key the file
// lacks. Every other key (the service's counters and stage records, anything it added)
// stays as the file holds it, byte for byte; the whole file is then put in place at once,
// after a look that it still holds what the merge read. A file that exists but cannot be
// read is not written at all. False when the file could not be written; the record's
// changes then stay pending and go out with the next save.
bool SaveSettings(const SettingsRecord& record, TextView path);
// Fills the record from the keys `strings` finds in the file (a document read whole, see
// DocumentStrings). Absent keys take their load defaults; an absent or damaged record
// value leaves that record as it was.
void ReadSettingsFile(SettingsRecord& record, TextView path, int32_t profileOverride, ProfileStrings& strings);

// Reads the file, then adds every key it lacks, so afterwards the file holds every key.
// What was read becomes the file's base.
bool LoadSettings(SettingsRecord& record, TextView path, int32_t profileOverride);

// Copies the source whole into the destination, then repairs the destination.
void ValidateSettings(SettingsRecord& destination, const SettingsRecord& source);

// Device-wide factory values plus profile `profileIndex`'s DPI stage and assignments, as
// settingKeys() gives them. An index outside 0..4 touches no profile.
void ApplyFactoryDefaults(SettingsRecord& record, int profileIndex);

// Changes a few keys of the file by the same read, edit, look and replace as a save (not
// through the profile functions, whose cached copy of the file can be an old one). The
// change may run more than once, on newer text. True when the file holds it.
bool updateSettingsFile(TextView path, const std::function<bool(ProfileStrings&)>& change);

// Only the six DPI stage records, as the device service rewrote them, from the file as it
// settles, taken as the base of those keys. False (and the record as it was) when the file
// cannot be read.
bool reloadDpiInfos(SettingsRecord& record, TextView path);

// Replaces every assignment whose function code is not storable by its button's factory
// assignment (ButtonNumber and MacroName survive).
void RepairProfileAssignments(ProfileRecord& profile);

enum class SettingsReload {
  Saved,         // read, validated into the working record, and the keys the file lacked added
  NotSaved,      // read and validated, but the file could not be written (a read-only file, say)
  Unreadable,    // the file exists but could not be read: neither record was touched
  Kept,          // (while running) the file was missing or had lost keys: the working record
                 // was kept and written back whole
  KeptNotSaved,  // likewise, but it could not be written back
};
// At start-up (and for an imported file) a file's missing keys take their load defaults.
// While the program runs, its working record holds every setting, and a file that lost
// keys is one a writer cut short or removed: it must not replace the record.
enum class ReloadWhen { Starting, Running };
// The whole reload as one read of the file, telling an unreadable file from an empty one.
SettingsReload reloadSettingsFrom(SettingsRecord& working, SettingsRecord& loadBuffer, TextView path,
                                  int32_t profileOverride, ReloadWhen when = ReloadWhen::Starting);

// reloadSettingsFrom at start-up; true when the file was read and holds every key.
bool reloadSettings(SettingsRecord& working, SettingsRecord& loadBuffer, TextView path, int32_t profileOverride);

// The profile the record names as active; profile 0 when Profile is out of range, so a
// damaged record can never index past the five profiles.
ProfileRecord& activeProfile(SettingsRecord& record);
const ProfileRecord& activeProfile(const SettingsRecord& record);

}  // namespace ko
