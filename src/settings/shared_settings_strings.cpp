#include "settings/shared_settings_strings.h"


namespace ko {

Text SharedSettingsStrings::readString(TextView file, TextView section, TextView key, TextView fallback) {
  if (!isSettings(file)) return others_.readString(file, section, key, fallback);
  Text value(fallback);
  settings_.editFile([&](ProfileStrings& s) { return value = s.readString(file, section, key, fallback), true; });
  return value;
}

int32_t SharedSettingsStrings::readInt(TextView file, TextView section, TextView key, int32_t fallback) {
  if (!isSettings(file)) return others_.readInt(file, section, key, fallback);
  int32_t value = fallback;
  settings_.editFile([&](ProfileStrings& s) { return value = s.readInt(file, section, key, fallback), true; });
  return value;
}

bool SharedSettingsStrings::readStruct(TextView file, TextView section, TextView key, void* buffer, size_t size) {
  if (!isSettings(file)) return others_.readStruct(file, section, key, buffer, size);
  bool read = false;
  settings_.editFile([&](ProfileStrings& s) { return read = s.readStruct(file, section, key, buffer, size), true; });
  return read;
}

bool SharedSettingsStrings::writeString(TextView file, TextView section, TextView key, TextView value) {
  if (!isSettings(file)) return others_.writeString(file, section, key, value);
  return settings_.editFile([&](ProfileStrings& s) { return s.writeString(file, section, key, value); });
}

bool SharedSettingsStrings::writeStruct(TextView file, TextView section, TextView key, const void* bytes, size_t size) {
  if (!isSettings(file)) return others_.writeStruct(file, section, key, bytes, size);
  return settings_.editFile([&](ProfileStrings& s) { return s.writeStruct(file, section, key, bytes, size); });
}

}  // namespace ko
