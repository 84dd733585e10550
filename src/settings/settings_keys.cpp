#include "settings/settings_keys.h"

#include <cstring>
#include <optional>
#include "settings/factory_assignments.h"
#include "platform/ini_values.h"
#include "settings/settings_file.h"

namespace ko {
namespace {

using Rule = SettingKey::Rule;

Rule setInteger(int32_t value) {
  return [value](unsigned char* at) { std::memcpy(at, &value, sizeof value); };
}
template <typename Record>
Rule setRecord(const Record& value) {
  return [value](unsigned char* at) { std::memcpy(at, &value, sizeof value); };
}

constexpr int kDeviceWide = -1;
constexpr int32_t kFactoryStageLevels[kDpiStageCount] = {3, 5, 7, 8, 10, 12};

// The integers of "Setting": all but the counters read a missing key as unset; a reset
// leaves the counters (the service's), the button count and the lighting mode alone.
struct IntegerSetting {
  const char16_t* key;
  size_t offset;
  int32_t loadDefault;
  bool reset;                     // to unset
  std::optional<int32_t> factory;
};

void addInteger(std::vector<SettingKey>& keys, const IntegerSetting& s) {
  const bool counter = TextView(s.key) == u"LeftCount" || TextView(s.key) == u"RightCount";
  keys.push_back({Text(kSettingSection), Text(s.key), false, s.offset, sizeof(int32_t), counter, kDeviceWide,
                  s.loadDefault, s.reset ? setInteger(kUnset) : Rule(),
                  s.factory ? setInteger(*s.factory) : Rule(), false});
}

std::vector<SettingKey> makeKeys() {
  std::vector<SettingKey> keys;
  constexpr bool kReset = true, kLeftAlone = false;
  const std::optional<int32_t> none;
#define KO_AT(field) offsetof(SettingsRecord, field)
  const IntegerSetting leading[] = {
      {u"Profile", KO_AT(Profile), kUnset, kReset, none},
      {u"TrayEnabled", KO_AT(TrayEnabled), kUnset, kReset, none},
      {u"MouseButtons", KO_AT(MouseButtons), kUnset, kLeftAlone, none},
      {u"PollingRate", KO_AT(PollingRate), kUnset, kReset, 2},
      // The service may not have counted yet: no count is a count of 0.
      {u"LeftCount", KO_AT(LeftCount), 0, kLeftAlone, none},
      {u"RightCount", KO_AT(RightCount), 0, kLeftAlone, none},
      {u"WheelScrollLines", KO_AT(WheelScrollLines), kUnset, kReset, 1},
      {u"MouseSensitivity", KO_AT(MouseSensitivity), kUnset, kReset, 5},
      {u"DoubleClickSpeed", KO_AT(DoubleClickSpeed), kUnset, kReset, 12},
      {u"AccelerationEnabled", KO_AT(AccelerationEnabled), kUnset, kReset, 0},
      {u"Acceleration", KO_AT(Acceleration), kUnset, kReset, 1},
      {u"UniversalScrollEnabled", KO_AT(UniversalScrollEnabled), kUnset, kReset, 0},
  };
  for (const IntegerSetting& s : leading) addInteger(keys, s);
  for (int i = 0; i < kDpiStageCount; ++i) {
    const int32_t level = kFactoryStageLevels[i];
    keys.push_back({Text(kSettingSection), u"DPI_INFO" + decimal(i + 1), true, KO_AT(DPI_INFO) + i * sizeof(DpiInfo),
                    sizeof(DpiInfo), false, kDeviceWide, kUnset, setRecord(DpiInfo{kUnset, kUnset, kUnset, kUnset}),
                    setRecord(DpiInfo{0, level, level, level}), false});
  }
  for (int i = 0; i < kLedModeInfoCount; ++i) {
    const int32_t direction = i == 1 ? 1 : i == 4 ? 3 : 0;
    keys.push_back({Text(kSettingSection), u"LED_MODE_INFO" + decimal(i + 1), true,
                    KO_AT(LED_MODE_INFO) + i * sizeof(LedModeInfo), sizeof(LedModeInfo), false, kDeviceWide, kUnset,
                    setRecord(LedModeInfo{kUnset, kUnset, kUnset}), setRecord(LedModeInfo{direction, 4, 9}), false});
  }
  const IntegerSetting trailing[] = {
      {u"DPI", KO_AT(DPI), kUnset, kReset, 1},
      {u"LedStateOn", KO_AT(LedStateOn), kUnset, kReset, 1},
      {u"LedColor", KO_AT(LedColor), kUnset, kReset, 255},
      {u"LedMode", KO_AT(LedMode), kUnset, kLeftAlone, 3},
  };
  for (const IntegerSetting& s : trailing) addInteger(keys, s);
  for (int p = 0; p < kProfileCount; ++p) {
    const size_t profile = KO_AT(Profiles) + p * sizeof(ProfileRecord);
    const Text section = profileSectionName(p);
    keys.push_back({section, u"DPI", false, profile + offsetof(ProfileRecord, DPI), sizeof(int32_t), false, p, kUnset,
                    setInteger(kUnset), setInteger(1), false});
    for (int k = 0; k < kButtonCount; ++k) {
      // Reset to a function no file may hold, so that validation gives the button its
      // factory function unless the file says otherwise.
      Rule reset = [k](unsigned char* at) {
        ButtonAssignment a{};
        a.ButtonNumber = static_cast<uint8_t>(k + 1);
        a.FunctionCode = 255;
        a.ParamA = 1;
        a.ParamB = 0;
        std::memcpy(at, &a, sizeof a);
      };
      Rule factory = [k](unsigned char* at) {
        ButtonAssignment a;
        std::memcpy(&a, at, sizeof a);
        applyFactoryAssignment(a, k);
        std::memcpy(at, &a, sizeof a);
      };
      keys.push_back({section, u"ButtonAssigned" + decimal(k + 1), true,
                      profile + offsetof(ProfileRecord, ButtonAssigned) + k * sizeof(ButtonAssignment),
                      sizeof(ButtonAssignment), false, p, kUnset, std::move(reset), std::move(factory), true});
    }
  }
#undef KO_AT
  return keys;
}

// The profile functions read "12abc" as 12 and a value without digits as 0. Such text stays
// until the next save, which writes the integer it stands for.
bool isWholeDecimal(TextView text) {
  size_t i = (!text.empty() && (text[0] == u'-' || text[0] == u'+')) ? 1 : 0;
  if (i == text.size()) return false;
  for (; i < text.size(); ++i)
    if (text[i] < u'0' || text[i] > u'9') return false;
  return true;
}

}  // namespace

const std::vector<SettingKey>& settingKeys() {
  static const std::vector<SettingKey> keys = makeKeys();
  return keys;
}

bool holdsReadableValue(const ini::Document& document, const SettingKey& key) {
  const std::optional<TextView> stored = document.storedView(key.section, key.key);
  if (!stored || stored->empty()) return false;
  // A counter is the service's to write, whatever text it keeps there.
  if (!key.isRecord) return key.serviceOwned || isWholeDecimal(ini::readableView(*stored));
  return ini::isRecordText(ini::readableView(*stored), key.size);
}

bool isUnset(const SettingsRecord& record, const SettingKey& key) {
  const unsigned char* at = key.in(record);
  for (size_t i = 0; i + sizeof(int32_t) <= key.size; i += sizeof(int32_t)) {
    int32_t word = 0;
    std::memcpy(&word, at + i, sizeof word);
    if (word != kUnset) return false;
  }
  return true;
}

Text storedText(const SettingsRecord& record, const SettingKey& key) {
  const auto* at = reinterpret_cast<const unsigned char*>(&record) + key.offset;
  if (key.isRecord) return ini::encodeRecord(at, key.size);
  int32_t value = 0;
  std::memcpy(&value, at, sizeof value);
  return decimal(value);
}

}  // namespace ko
