#include "settings/settings_file.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include "platform/file_system.h"
#include "platform/profile_file.h"
#include "platform/save_steps.h"
#include "platform/settled_read.h"
#include "platform/shared_file_edit.h"
#include "settings/factory_assignments.h"
#include "settings/settings_base.h"
#include "settings/settings_keys.h"

namespace ko {
namespace {

// A key as the file holds it: an integer that is missing or unreadable takes its load
// default; a record that is missing or damaged leaves the record's bytes as they were.
void readKey(const ProfileFile& file, SettingsRecord& record, const SettingKey& key) {
  if (key.isRecord) {
    file.readStruct(key.section, key.key, key.in(record), key.size);
    return;
  }
  const int32_t value = file.readInt(key.section, key.key, key.loadDefault);
  std::memcpy(key.in(record), &value, sizeof value);
}

bool isStageKey(const SettingKey& key) {
  return key.profile < 0 && key.isRecord && key.key.compare(0, 8, u"DPI_INFO") == 0;
}

}  // namespace

Text profileSectionName(int index) { return index < 1 ? Text(u"GROUP") : u"GROUP" + decimal(index); }

ProfileRecord& activeProfile(SettingsRecord& record) {
  const bool valid = record.Profile >= 0 && record.Profile < kProfileCount;
  return record.Profiles[valid ? record.Profile : 0];
}
const ProfileRecord& activeProfile(const SettingsRecord& record) {
  return activeProfile(const_cast<SettingsRecord&>(record));
}

void ResetSettings(SettingsRecord& record) {
  // The profiles' names and programs are not settings of the program's; nothing is left
  // of them either.
  for (ProfileRecord& profile : record.Profiles) {
    std::memset(profile.Name, 0, sizeof profile.Name);
    std::memset(profile.Exe, 0, sizeof profile.Exe);
  }
  for (const SettingKey& key : settingKeys())
    if (key.reset) key.reset(key.in(record));
}

void ReadSettingsFile(SettingsRecord& record, TextView path, int32_t profileOverride, ProfileStrings& strings) {
  const ProfileFile file{Text(path), strings};
  for (const SettingKey& key : settingKeys()) {
    if (key.profile < 0 && key.key == u"Profile") {
      const int32_t profile =
          profileOverride == kProfileFromFile ? file.readInt(key.section, key.key, kUnset) : profileOverride;
      record.Profile = profile == kUnset ? 0 : profile;
      continue;
    }
    readKey(file, record, key);
  }
  for (int p = 0; p < kProfileCount; ++p) {
    const Text section = profileSectionName(p);
    copyToBuffer(file.readString(section, u"Name", u""), record.Profiles[p].Name, kProfileTextUnits);
    copyToBuffer(file.readString(section, u"Exe", u""), record.Profiles[p].Exe, kProfileTextUnits);
  }
}

namespace {

// The merge: the record's value of each key marked changed, and of each key the document
// lacks, goes into the document; every other key keeps the document's value.
bool mergeKeys(ini::Document& document, const SettingsRecord& record, const std::vector<bool>& changed) {
  bool ok = true;
  const auto& keys = settingKeys();
  for (size_t i = 0; i < keys.size(); ++i)
    if (changed[i] || !holdsReadableValue(document, keys[i]))
      ok &= document.writeString(keys[i].section, keys[i].key, storedText(record, keys[i]));
  return ok;
}

enum class DocumentRead { Read, Missing, Unreadable };

DocumentRead readDocument(TextView path, ini::Document& document) {
  std::string bytes;
  if (readSettledFileBytes(path, bytes)) {
    document = ini::Document::fromBytes(bytes);
    rememberLastBytes(path, bytes);
    return DocumentRead::Read;
  }
  return entryExists(path) ? DocumentRead::Unreadable : DocumentRead::Missing;
}

bool lacksAnyKey(const ini::Document& document) {
  for (const SettingKey& key : settingKeys())
    if (!holdsReadableValue(document, key)) return true;
  return false;
}

// Reads the document into the record as the file's whole reload does, and takes what was
// read as the file's base.
void readAsBase(SettingsRecord& record, TextView path, int32_t profileOverride, ini::Document& document) {
  DocumentStrings strings(path, document);
  ReadSettingsFile(record, path, profileOverride, strings);
  rememberBase(path, record);
}

// The keys a save wrote that the file holds at their value from before the save again: a
// stale copy of the other program's put them back (see putBackUndoneEdit). A key holding
// any third value was changed on purpose by the other program and stays.
std::vector<bool> undoneKeys(const ini::Document& document, const SettingsRecord& record,
                             const std::vector<bool>& changed, const std::vector<std::optional<Text>>& before) {
  const auto& keys = settingKeys();
  std::vector<bool> undone(keys.size(), false);
  for (size_t i = 0; i < keys.size(); ++i) {
    if (!changed[i] || !before[i]) continue;
    const std::optional<Text> held = document.storedValue(keys[i].section, keys[i].key);
    undone[i] = held && *held == *before[i] && *held != storedText(record, keys[i]);
  }
  return undone;
}

bool saveKeys(const SettingsRecord& record, TextView path, const std::vector<bool>& changed) {
  save_steps::mark("changed keys");
  SharedEditTrace trace;
  trace.known = [&](const std::string& bytes) { return isLastBytes(path, bytes); };
  const SharedEdit outcome =
      editSharedFile(path, [&](ini::Document& document) { return mergeKeys(document, record, changed); }, 1500, &trace);
  if (outcome != SharedEdit::Done) return false;
  // A file nobody else wrote since the program last read or wrote it has no stale copy
  // coming back: nothing waits then, and the base from before the save is not needed.
  const bool watch = !trace.firstReadKnown && trace.wrote;
  const std::vector<std::optional<Text>> before = watch ? baseTexts(path) : std::vector<std::optional<Text>>();
  rememberBase(path, record);
  if (watch) {
    putBackUndoneEdit(path, trace.last, [&](ini::Document& document) {
      const std::vector<bool> undone = undoneKeys(document, record, changed, before);
      if (std::find(undone.begin(), undone.end(), true) == undone.end()) return false;
      mergeKeys(document, record, undone);
      return true;
    });
  }
  rememberLastBytes(path, std::move(trace.last));
  return true;
}

// Every key of the record, but the service's counters where the file holds them.
bool saveWhole(const SettingsRecord& record, TextView path) {
  std::vector<bool> all(settingKeys().size());
  for (size_t i = 0; i < all.size(); ++i) all[i] = !settingKeys()[i].serviceOwned;
  return saveKeys(record, path, all);
}

}  // namespace

bool SaveSettings(const SettingsRecord& record, TextView path) {
  return saveKeys(record, path, changedSinceBase(path, record));
}

bool updateSettingsFile(TextView path, const std::function<bool(ProfileStrings&)>& change) {
  SharedEditTrace trace;
  trace.known = [&](const std::string& bytes) { return isLastBytes(path, bytes); };
  const auto edit = [&](ini::Document& document) {
    DocumentStrings strings(path, document);
    return change(strings);
  };
  if (editSharedFile(path, edit, 1500, &trace) != SharedEdit::Done) return false;
  // The keys changed here (the macro list, the imported profile's name) are the program's
  // alone: the change made again on a stale copy puts back whatever it undid.
  if (trace.wrote && !trace.firstReadKnown) {
    putBackUndoneEdit(path, trace.last, [&](ini::Document& document) {
      const std::string before = document.toBytes();
      edit(document);
      return document.toBytes() != before;
    });
  }
  rememberLastBytes(path, std::move(trace.last));
  return true;
}

bool LoadSettings(SettingsRecord& record, TextView path, int32_t profileOverride) {
  ini::Document document;
  if (readDocument(path, document) == DocumentRead::Unreadable) return false;
  readAsBase(record, path, profileOverride, document);
  return SaveSettings(record, path);
}

void RepairProfileAssignments(ProfileRecord& profile) {
  for (int k = 0; k < kButtonCount; ++k) {
    ButtonAssignment& a = profile.ButtonAssigned[k];
    if (!isStorableFunctionCode(a.FunctionCode)) applyFactoryAssignment(a, k);
  }
}

void ValidateSettings(SettingsRecord& destination, const SettingsRecord& source) {
  if (&destination != &source) std::memcpy(&destination, &source, sizeof(SettingsRecord));
  SettingsRecord& r = destination;
  if (static_cast<uint32_t>(r.Profile) > 4) r.Profile = 0;
  if (r.MouseButtons == 0 || static_cast<uint32_t>(r.MouseButtons) > 11) r.MouseButtons = 11;
  if (r.TrayEnabled != 0 && r.TrayEnabled != 1) r.TrayEnabled = 1;
  // Only the impossible rates are repaired; 3, 5, 6 and 7 are kept as the file has them.
  if (r.PollingRate < 1 || static_cast<uint32_t>(r.PollingRate) > 8) r.PollingRate = 2;
  for (auto& profile : r.Profiles) RepairProfileAssignments(profile);
}

void ApplyFactoryDefaults(SettingsRecord& record, int profileIndex) {
  for (const SettingKey& key : settingKeys())
    if (key.factory && (key.profile < 0 || key.profile == profileIndex)) key.factory(key.in(record));
}

bool reloadDpiInfos(SettingsRecord& record, TextView path) {
  ini::Document document;
  if (readDocument(path, document) != DocumentRead::Read) return false;
  DocumentStrings strings(path, document);
  const ProfileFile file{Text(path), strings};
  auto read = std::make_unique<SettingsRecord>(record);
  // What the file holds now is the base of these keys: a save after this leaves them be.
  std::vector<bool> stages(settingKeys().size(), false);
  for (size_t i = 0; i < stages.size(); ++i) {
    stages[i] = isStageKey(settingKeys()[i]);
    if (stages[i]) readKey(file, *read, settingKeys()[i]);
  }
  rememberBase(path, *read, stages);
  std::memcpy(record.DPI_INFO, read->DPI_INFO, sizeof record.DPI_INFO);
  return true;
}

SettingsReload reloadSettingsFrom(SettingsRecord& working, SettingsRecord& loadBuffer, TextView path,
                                  int32_t profileOverride, ReloadWhen when) {
  ini::Document document;
  const DocumentRead read = readDocument(path, document);
  // A file that is there but cannot be read holds the settings all the same: taking it
  // for an empty one would put load defaults in force and the next save would store them.
  if (read == DocumentRead::Unreadable) return SettingsReload::Unreadable;
  // Once running, the working record is the settings: a file gone, emptied or cut short
  // (a writer that died half-way) is given them back whole, and nothing is read from it.
  if (when == ReloadWhen::Running && (read == DocumentRead::Missing || lacksAnyKey(document)))
    return saveWhole(working, path) ? SettingsReload::Kept : SettingsReload::KeptNotSaved;
  ResetSettings(loadBuffer);
  readAsBase(loadBuffer, path, profileOverride, document);
  // The file as read, with only the keys it lacks added.
  const bool saved = SaveSettings(loadBuffer, path);
  ValidateSettings(working, loadBuffer);
  return saved ? SettingsReload::Saved : SettingsReload::NotSaved;
}

bool reloadSettings(SettingsRecord& working, SettingsRecord& loadBuffer, TextView path, int32_t profileOverride) {
  return reloadSettingsFrom(working, loadBuffer, path, profileOverride) == SettingsReload::Saved;
}

}  // namespace ko
