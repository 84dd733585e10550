#include "settings/settings_file.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <iterator>
#include <memory>
#include <thread>
#include "platform/ini_transaction.h"
#include "settings/factory_assignments.h"
#include "platform/profile_file.h"
#include "settings/file_as_seen.h"

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

struct IntegerField {
  const char16_t* key;
  int32_t SettingsRecord::*field;
};

// Write order: also the key order of a newly created file, which the service may rely on.
constexpr IntegerField kLeadingWrites[] = {
    {u"Profile", &SettingsRecord::Profile},
    {u"TrayEnabled", &SettingsRecord::TrayEnabled},
    {u"MouseButtons", &SettingsRecord::MouseButtons},
    {u"PollingRate", &SettingsRecord::PollingRate},
    {u"LeftCount", &SettingsRecord::LeftCount},
    {u"RightCount", &SettingsRecord::RightCount},
    {u"WheelScrollLines", &SettingsRecord::WheelScrollLines},
    {u"MouseSensitivity", &SettingsRecord::MouseSensitivity},
    {u"DoubleClickSpeed", &SettingsRecord::DoubleClickSpeed},
    {u"AccelerationEnabled", &SettingsRecord::AccelerationEnabled},
    {u"Acceleration", &SettingsRecord::Acceleration},
    {u"UniversalScrollEnabled", &SettingsRecord::UniversalScrollEnabled},
};
constexpr IntegerField kTrailingWrites[] = {
    {u"DPI", &SettingsRecord::DPI},
    {u"LedStateOn", &SettingsRecord::LedStateOn},
    {u"LedColor", &SettingsRecord::LedColor},
    {u"LedMode", &SettingsRecord::LedMode},
};

constexpr int32_t kFactoryStageLevels[kDpiStageCount] = {3, 5, 7, 8, 10, 12};

void readIntegers(const ProfileFile& file, SettingsRecord& record, const IntegerKey* begin, const IntegerKey* end) {
  for (auto* k = begin; k != end; ++k) record.*(k->field) = file.readInt(kSettingSection, k->key, k->loadDefault);
}

bool writeIntegers(const ProfileFile& file, const SettingsRecord& record, const IntegerField* begin,
                   const IntegerField* end) {
  bool ok = true;
  for (auto* k = begin; k != end; ++k) ok &= file.writeInt(kSettingSection, k->key, record.*(k->field));
  return ok;
}

// A failed read leaves the record as it was (see the header).
void readDpiRecords(const ProfileFile& file, TextView path, SettingsRecord& record) {
  for (int i = 0; i < kDpiStageCount; ++i)
    if (file.readStruct(kSettingSection, indexedKey("DPI_INFO", i + 1), &record.DPI_INFO[i], sizeof(DpiInfo)))
      rememberStageRecord(path, i, record.DPI_INFO[i]);
}

// The stage records a save wrote (the others kept the file's: see file_as_seen.h),
// remembered once the save has landed.
struct StageWrites {
  bool written[kDpiStageCount] = {};
  void remember(TextView path, const SettingsRecord& record) const {
    for (int i = 0; i < kDpiStageCount; ++i)
      if (written[i]) rememberStageRecord(path, i, record.DPI_INFO[i]);
  }
};

// `again`: the records an earlier write of this same save put in the file; a second look
// writes them again whatever the file holds (a stale copy of another program's may have
// put an old one back).
bool writeDpiRecords(const ProfileFile& file, TextView path, const SettingsRecord& record, StageWrites& writes,
                     const StageWrites* again) {
  bool ok = true;
  for (int i = 0; i < kDpiStageCount; ++i) {
    const Text key = indexedKey("DPI_INFO", i + 1);
    DpiInfo inFile{};
    writes.written[i] = false;
    const bool rewrite = again && again->written[i];
    if (!rewrite && isStageRecordAsSeen(path, i, record.DPI_INFO[i]) &&
        file.readStruct(kSettingSection, key, &inFile, sizeof(DpiInfo)))
      continue;
    writes.written[i] = file.writeStruct(kSettingSection, key, &record.DPI_INFO[i], sizeof(DpiInfo));
    ok &= writes.written[i];
  }
  return ok;
}

enum class TransactionOutcome { Committed, NotCommitted, Unreadable };

int secondLookMs = 0;

// One read-change-write of the file as a transaction. Another program (the device service)
// writes the same file at any moment; when it did so between the read and the commit, the
// change is made again on its new contents, so its keys are not written over with the
// ones read before. `apply` reports whether every key was written.
// A file another program is writing may be unreadable for a few milliseconds, not for
// good. The profile functions empty it first and then write it again piece by piece,
// letting others read meanwhile, so a settings file that seems absent, empty, cut at a
// block boundary or short of a section it had is most likely one being written: it is
// looked at again for a moment before it is taken as it is (a new installation waits that
// moment once).
template <typename Apply>
TransactionOutcome runTransaction(TextView path, Apply apply) {
  constexpr int kAttempts = 8;
  constexpr int kUnreadablePauseMs = 2;
  constexpr int kUnreadableTries = 100;
  constexpr int kSuspiciousTries = 25;
  int unreadable = 0;
  int suspicious = 0;
  for (int attempt = 1;; ++attempt) {
    IniTransaction transaction(path, FileWriters::OthersToo);
    const bool emptyOrAbsent =
        transaction.readable() && (transaction.readLooksCut() || transaction.readMissingFile() ||
                                   lostSectionsSince(path, transaction.document()));
    if (emptyOrAbsent && ++suspicious < kSuspiciousTries) {
      std::this_thread::sleep_for(std::chrono::milliseconds(kUnreadablePauseMs));
      --attempt;
      continue;
    }
    if (!transaction.readable()) {
      if (++unreadable >= kUnreadableTries) return TransactionOutcome::Unreadable;
      std::this_thread::sleep_for(std::chrono::milliseconds(kUnreadablePauseMs));
      --attempt;
      continue;
    }
    const bool everyKey = apply(transaction);
    if (attempt < kAttempts && transaction.fileChangedSinceRead()) continue;
    const bool committed = transaction.commit();
    if (committed) rememberSections(path, transaction.document());
    return committed && everyKey ? TransactionOutcome::Committed : TransactionOutcome::NotCommitted;
  }
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

bool WriteProfileSection(const ProfileRecord& profile, int profileIndex, TextView path, ProfileStrings& strings) {
  const ProfileFile file{Text(path), strings};
  const Text section = profileSectionName(profileIndex);
  bool ok = file.writeInt(section, u"DPI", profile.DPI);
  for (int k = 0; k < kButtonCount; ++k)
    ok &= file.writeStruct(section, indexedKey("ButtonAssigned", k + 1), &profile.ButtonAssigned[k],
                           sizeof(ButtonAssignment));
  return ok;
}

void ReadSettingsFile(SettingsRecord& record, TextView path, int32_t profileOverride, ProfileStrings& strings) {
  const ProfileFile file{Text(path), strings};
  int32_t profile = profileOverride;
  if (profileOverride == kProfileFromFile) profile = file.readInt(kSettingSection, u"Profile", kUnset);
  record.Profile = profile == kUnset ? 0 : profile;

  readIntegers(file, record, std::begin(kLeadingReads), std::end(kLeadingReads));
  readDpiRecords(file, path, record);
  for (int i = 0; i < kLedModeInfoCount; ++i)
    file.readStruct(kSettingSection, indexedKey("LED_MODE_INFO", i + 1), &record.LED_MODE_INFO[i],
                    sizeof(LedModeInfo));
  readIntegers(file, record, std::begin(kTrailingReads), std::end(kTrailingReads));
  for (int p = 0; p < kProfileCount; ++p) ReadProfileSection(record.Profiles[p], p, path, strings);
}

namespace {

bool writeSettings(const SettingsRecord& record, TextView path, ProfileStrings& strings, StageWrites& writes,
                   const StageWrites* again = nullptr) {
  const ProfileFile file{Text(path), strings};
  // The click counters are the service's: it counts into the file at any moment, and a
  // save writing back the values of the last reload would lose every click since. A
  // counter the file holds keeps its value; only a missing one gets the record's.
  auto counters = std::make_unique<SettingsRecord>(record);
  counters->LeftCount = file.readInt(kSettingSection, u"LeftCount", record.LeftCount);
  counters->RightCount = file.readInt(kSettingSection, u"RightCount", record.RightCount);
  const SettingsRecord& out = *counters;
  // Every key is attempted even after a failure: one refused write must not cost the rest.
  bool ok = writeIntegers(file, out, std::begin(kLeadingWrites), std::end(kLeadingWrites));
  ok &= writeDpiRecords(file, path, out, writes, again);
  for (int i = 0; i < kLedModeInfoCount; ++i)
    ok &= file.writeStruct(kSettingSection, indexedKey("LED_MODE_INFO", i + 1), &out.LED_MODE_INFO[i],
                           sizeof(LedModeInfo));
  ok &= writeIntegers(file, out, std::begin(kTrailingWrites), std::end(kTrailingWrites));
  for (int p = 0; p < kProfileCount; ++p) ok &= WriteProfileSection(out.Profiles[p], p, path, strings);
  return ok;
}

}  // namespace

bool WriteSettingsFile(const SettingsRecord& record, TextView path, ProfileStrings& strings) {
  // Each call of these profile strings writes the file: what was written is there now.
  StageWrites writes;
  const bool ok = writeSettings(record, path, strings, writes);
  writes.remember(path, record);
  return ok;
}

void setSaveSecondLookMs(int ms) { secondLookMs = ms; }

namespace {

// The service's profile functions read the file, change one key in memory and write the
// whole file back a moment later; a change that took the file's place in between is
// written over with what they had read. A second look (and a third) puts it back.
template <typename Apply>
bool lookAgain(TextView path, Apply applyAgain) {
  for (int look = 0; look < 2 && secondLookMs > 0; ++look) {
    std::this_thread::sleep_for(std::chrono::milliseconds(secondLookMs));
    IniTransaction again(path, FileWriters::OthersToo);
    if (!again.readable()) return false;
    // Caught half-written: the writer is busy, and what it writes next is looked at next.
    if (lostSectionsSince(path, again.document())) continue;
    applyAgain(again);
    if (!again.changesFile()) break;
    if (!again.commit()) return false;
    rememberSections(path, again.document());
  }
  return true;
}

}  // namespace

bool SaveSettings(const SettingsRecord& record, TextView path) {
  StageWrites writes;
  const auto apply = [&](IniTransaction& transaction) {
    // A refused key costs only that key, as in the key-by-key save: the rest still goes out.
    return writeSettings(record, path, transaction, writes);
  };
  if (runTransaction(path, apply) != TransactionOutcome::Committed) return false;
  writes.remember(path, record);
  const StageWrites firstWrites = writes;
  return lookAgain(path, [&](IniTransaction& again) { writeSettings(record, path, again, writes, &firstWrites); });
}

bool updateSettingsFile(TextView path, const std::function<bool(ProfileStrings&)>& change) {
  bool changed = false;
  const auto apply = [&](IniTransaction& transaction) {
    const bool everyKey = change(transaction);
    changed = transaction.changesFile();
    return everyKey;
  };
  if (runTransaction(path, apply) != TransactionOutcome::Committed) return false;
  // Only a change can be undone by another writer's old copy.
  return !changed || lookAgain(path, [&](IniTransaction& again) { change(again); });
}

bool SaveSettings(const SettingsRecord& record, TextView path, ProfileStrings& strings) {
  return WriteSettingsFile(record, path, strings);
}

bool LoadSettings(SettingsRecord& record, TextView path, int32_t profileOverride) {
  StageWrites writes;
  if (runTransaction(path, [&](IniTransaction& transaction) {
        ReadSettingsFile(record, path, profileOverride, transaction);
        return writeSettings(record, path, transaction, writes);
      }) != TransactionOutcome::Committed)
    return false;
  writes.remember(path, record);
  return true;
}

bool LoadSettings(SettingsRecord& record, TextView path, int32_t profileOverride, ProfileStrings& strings) {
  ReadSettingsFile(record, path, profileOverride, strings);
  return SaveSettings(record, path, strings);
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

void ReadDpiInfos(SettingsRecord& record, TextView path, ProfileStrings& strings) {
  readDpiRecords(ProfileFile{Text(path), strings}, path, record);
}

bool WritePollingRate(int32_t interval, TextView path, ProfileStrings& strings) {
  return ProfileFile{Text(path), strings}.writeInt(kSettingSection, u"PollingRate", interval);
}

SettingsReload reloadSettingsFrom(SettingsRecord& working, SettingsRecord& loadBuffer, TextView path,
                                  int32_t profileOverride) {
  StageWrites writes;
  const TransactionOutcome outcome = runTransaction(path, [&](IniTransaction& transaction) {
    ResetSettings(loadBuffer);
    ReadSettingsFile(loadBuffer, path, profileOverride, transaction);
    return writeSettings(loadBuffer, path, transaction, writes);
  });
  if (outcome == TransactionOutcome::Committed) writes.remember(path, loadBuffer);
  // A file that is there but cannot be read holds the settings all the same: taking it
  // for an empty one would put load defaults in force and the next save would store them.
  if (outcome == TransactionOutcome::Unreadable) return SettingsReload::Unreadable;
  ValidateSettings(working, loadBuffer);
  return outcome == TransactionOutcome::Committed ? SettingsReload::Saved : SettingsReload::NotSaved;
}

bool reloadSettings(SettingsRecord& working, SettingsRecord& loadBuffer, TextView path, int32_t profileOverride) {
  return reloadSettingsFrom(working, loadBuffer, path, profileOverride) == SettingsReload::Saved;
}

bool reloadSettings(SettingsRecord& working, SettingsRecord& loadBuffer, TextView path, int32_t profileOverride,
                    ProfileStrings& strings) {
  ResetSettings(loadBuffer);
  const bool saved = LoadSettings(loadBuffer, path, profileOverride, strings);
  ValidateSettings(working, loadBuffer);
  return saved;
}

}  // namespace ko
