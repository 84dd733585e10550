#include "settings/settings_keys.h"

#include <cstring>
#include <optional>
#include "platform/ini_values.h"
#include "settings/settings_file.h"

namespace ko {
namespace {

void addInteger(std::vector<SettingKey>& keys, const char16_t* name, size_t offset) {
  const bool counter = TextView(name) == u"LeftCount" || TextView(name) == u"RightCount";
  keys.push_back({Text(kSettingSection), Text(name), false, offset, sizeof(int32_t), counter});
}

std::vector<SettingKey> makeKeys() {
  std::vector<SettingKey> keys;
#define KO_SETTING(field) addInteger(keys, u## #field, offsetof(SettingsRecord, field))
  KO_SETTING(Profile);
  KO_SETTING(TrayEnabled);
  KO_SETTING(MouseButtons);
  KO_SETTING(PollingRate);
  KO_SETTING(LeftCount);
  KO_SETTING(RightCount);
  KO_SETTING(WheelScrollLines);
  KO_SETTING(MouseSensitivity);
  KO_SETTING(DoubleClickSpeed);
  KO_SETTING(AccelerationEnabled);
  KO_SETTING(Acceleration);
  KO_SETTING(UniversalScrollEnabled);
  for (int i = 0; i < kDpiStageCount; ++i)
    keys.push_back({Text(kSettingSection), u"DPI_INFO" + decimal(i + 1), true,
                    offsetof(SettingsRecord, DPI_INFO) + i * sizeof(DpiInfo), sizeof(DpiInfo), false});
  for (int i = 0; i < kLedModeInfoCount; ++i)
    keys.push_back({Text(kSettingSection), u"LED_MODE_INFO" + decimal(i + 1), true,
                    offsetof(SettingsRecord, LED_MODE_INFO) + i * sizeof(LedModeInfo), sizeof(LedModeInfo), false});
  KO_SETTING(DPI);
  KO_SETTING(LedStateOn);
  KO_SETTING(LedColor);
  KO_SETTING(LedMode);
#undef KO_SETTING
  for (int p = 0; p < kProfileCount; ++p) {
    const size_t profile = offsetof(SettingsRecord, Profiles) + p * sizeof(ProfileRecord);
    const Text section = profileSectionName(p);
    keys.push_back({section, u"DPI", false, profile + offsetof(ProfileRecord, DPI), sizeof(int32_t), false});
    for (int k = 0; k < kButtonCount; ++k)
      keys.push_back({section, u"ButtonAssigned" + decimal(k + 1), true,
                      profile + offsetof(ProfileRecord, ButtonAssigned) + k * sizeof(ButtonAssignment),
                      sizeof(ButtonAssignment), false});
  }
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

Text storedText(const SettingsRecord& record, const SettingKey& key) {
  const auto* at = reinterpret_cast<const unsigned char*>(&record) + key.offset;
  if (key.isRecord) return ini::encodeRecord(at, key.size);
  int32_t value = 0;
  std::memcpy(&value, at, sizeof value);
  return decimal(value);
}

}  // namespace ko
