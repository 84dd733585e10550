// The keys a save writes to the settings file, once each, in the file's write order
// ("Setting": Profile ... UniversalScrollEnabled, DPI_INFO1..6, LED_MODE_INFO1..6, DPI,
// LedStateOn, LedColor, LedMode; then each profile section: DPI, ButtonAssigned1..11),
// with where each value lives in the record. The save's merge, the key-by-key write and
// the check for a file that lost keys all walk this one list.
#pragma once
#include <cstddef>
#include <vector>
#include "platform/ini_document.h"
#include "platform/wide_text.h"
#include "settings/settings_record.h"

namespace ko {

struct SettingKey {
  Text section;
  Text key;
  bool isRecord;  // a hex record of `size` bytes; otherwise a 32-bit integer
  size_t offset;  // of the value inside SettingsRecord
  size_t size;
  // The service's click counters: the program reads them and never changes them, so a save
  // writes them only into a file that lacks them.
  bool serviceOwned;
};

const std::vector<SettingKey>& settingKeys();

// Whether the document holds a value the key's kind can be read from: a whole decimal
// integer, a record of the right length and checksum. Anything else is as good as
// missing, and a save writes the record's value there.
bool holdsReadableValue(const ini::Document& document, const SettingKey& key);

// The value text the profile functions would store for the key: the integer in decimal,
// a record as hex byte pairs with their checksum.
Text storedText(const SettingsRecord& record, const SettingKey& key);

}  // namespace ko
