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

Text indexedKey(const char* stem, int number) { return u16(stem) + decimal(number); }

// Key, field and load default of the integers read in one block of the settings file.
struct IntegerKey {
  const char16_t* key;
  int32_t SettingsRecord::*field;
  int32_t loadDefault;
};

// Read order after "Profile" (the counters default to 0: the service may not have counted yet).
constexpr IntegerKey kLeadingReads[] = {
    {u"TrayEnabled", &SettingsRecord::TrayEnabled, kUnset},
    {u"MouseButtons", &SettingsRecord::MouseButtons, kUnset},
    {u"PollingRate", &SettingsRecord::PollingRate, kUnset},
    {u"LeftCount", &SettingsRecord::LeftCount, 0},
    {u"RightCount", &SettingsRecord::RightCount, 0},
    {u"WheelScrollLines", &SettingsRecord::WheelScrollLines, kUnset},
    {u"MouseSensitivity", &SettingsRecord::MouseSensitivity, kUnset},
    {u"DoubleClickSpeed", &SettingsRecord::DoubleClickSpeed, kUnset},
    {u"UniversalScrollEnabled", &SettingsRecord::UniversalScrollEnabled, kUnset},
    {u"AccelerationEnabled", &SettingsRecord::AccelerationEnabled, kUnset},
    {u"Acceleration", &SettingsRecord::Acceleration, kUnset},
};
constexpr IntegerKey kTrailingReads[] = {
    {u"LedStateOn", &SettingsRecord::LedStateOn, kUnset},
    {u"LedColor", &SettingsRecord::LedColor, kUnset},
    {u"DPI", &SettingsRecord::DPI, kUnset},
    {u"LedMode", &SettingsRecord::LedMode, kUnset},
};

constexpr int32_t kFactoryStageLevels[kDpiStageCount] = {3, 5, 7, 8, 10, 12};

void readIntegers(const ProfileFile& file, SettingsRecord& record, const IntegerKey* begin, const IntegerKey* end) {
  for (auto* k = begin; k != end; ++k) record.*(k->field) = file.readInt(kSettingSection, k->key, k->loadDefault);
}

// Reads the stage records; a failed read leaves the record as it was (see the header).
void readDpiRecords(const ProfileFile& file, SettingsRecord& record) {
  for (int i = 0; i < kDpiStageCount; ++i)
    file.readStruct(kSettingSection, indexedKey("DPI_INFO", i + 1), &record.DPI_INFO[i], sizeof(DpiInfo));
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
  std::memset(record.Profiles, 0, sizeof record.Profiles);
  for (int32_t* field : {&record.UniversalScrollEnabled, &record.MouseSensitivity, &record.AccelerationEnabled,
                         &record.LedStateOn, &record.LedColor, &record.DPI, &record.PollingRate,
                         &record.DoubleClickSpeed, &record.WheelScrollLines, &record.Acceleration})
    *field = kUnset;
  for (auto& stage : record.DPI_INFO) stage = DpiInfo{kUnset, kUnset, kUnset, kUnset};
  for (auto& led : record.LED_MODE_INFO) led = LedModeInfo{kUnset, kUnset, kUnset};
  for (auto& profile : record.Profiles) {
    profile.DPI = kUnset;
    for (int k = 0; k < kButtonCount; ++k) {
      ButtonAssignment& a = profile.ButtonAssigned[k];
      a.ButtonNumber = static_cast<uint8_t>(k + 1);
      a.FunctionCode = 255;  // not storable: validation turns it into the factory function
      a.ParamA = 1;
      a.ParamB = 0;
    }
  }
  record.TrayEnabled = kUnset;
  record.Profile = kUnset;
}

void ReadProfileSection(ProfileRecord& profile, int profileIndex, TextView path, ProfileStrings& strings) {
  const ProfileFile file{Text(path), strings};
  const Text section = profileSectionName(profileIndex);
  copyToBuffer(file.readString(section, u"Name", u""), profile.Name, kProfileTextUnits);
  copyToBuffer(file.readString(section, u"Exe", u""), profile.Exe, kProfileTextUnits);
  profile.DPI = file.readInt(section, u"DPI", kUnset);
  for (int k = 0; k < kButtonCount; ++k)
    file.readStruct(section, indexedKey("ButtonAssigned", k + 1), &profile.ButtonAssigned[k], sizeof(ButtonAssignment));
}

void ReadSettingsFile(SettingsRecord& record, TextView path, int32_t profileOverride, ProfileStrings& strings) {
  const ProfileFile file{Text(path), strings};
  int32_t profile = profileOverride;
  if (profileOverride == kProfileFromFile) profile = file.readInt(kSettingSection, u"Profile", kUnset);
  record.Profile = profile == kUnset ? 0 : profile;

  readIntegers(file, record, std::begin(kLeadingReads), std::end(kLeadingReads));
  readDpiRecords(file, record);
  for (int i = 0; i < kLedModeInfoCount; ++i)
    file.readStruct(kSettingSection, indexedKey("LED_MODE_INFO", i + 1), &record.LED_MODE_INFO[i],
                    sizeof(LedModeInfo));
  readIntegers(file, record, std::begin(kTrailingReads), std::end(kTrailingReads));
  for (int p = 0; p < kProfileCount; ++p) ReadProfileSection(record.Profiles[p], p, path, strings);
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
  record.DPI = 1;
  record.PollingRate = 2;
  record.LedStateOn = 1;
  record.LedColor = 255;
  record.LedMode = 3;
  for (int i = 0; i < kLedModeInfoCount; ++i)
    record.LED_MODE_INFO[i] = LedModeInfo{i == 1 ? 1 : i == 4 ? 3 : 0, 4, 9};
  for (int i = 0; i < kDpiStageCount; ++i) {
    const int32_t level = kFactoryStageLevels[i];
    record.DPI_INFO[i] = DpiInfo{0, level, level, level};
  }
  record.DoubleClickSpeed = 12;
  record.WheelScrollLines = 1;
  record.Acceleration = 1;
  record.AccelerationEnabled = 0;
  record.MouseSensitivity = 5;
  record.UniversalScrollEnabled = 0;
  if (profileIndex < 0 || profileIndex >= kProfileCount) return;
  ProfileRecord& profile = record.Profiles[profileIndex];
  profile.DPI = 1;
  for (int k = 0; k < kButtonCount; ++k) applyFactoryAssignment(profile.ButtonAssigned[k], k);
}

bool reloadDpiInfos(SettingsRecord& record, TextView path) {
  ini::Document document;
  if (readDocument(path, document) != DocumentRead::Read) return false;
  DocumentStrings strings(path, document);
  auto read = std::make_unique<SettingsRecord>(record);
  readDpiRecords(ProfileFile{Text(path), strings}, *read);
  // What the file holds now is the base of these keys: a save after this leaves them be.
  std::vector<bool> stages(settingKeys().size(), false);
  for (size_t i = 0; i < stages.size(); ++i)
    stages[i] = settingKeys()[i].key.compare(0, 8, u"DPI_INFO") == 0 && settingKeys()[i].section == kSettingSection;
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
