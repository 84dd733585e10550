// Every setting of the settings file, once each, in the file's write order ("Setting":
// Profile ... UniversalScrollEnabled, DPI_INFO1..6, LED_MODE_INFO1..6, DPI, LedStateOn,
// LedColor, LedMode; then each profile section: DPI, ButtonAssigned1..11), with where its
// value lives in the record, what a missing key reads as, what a reset and the factory
// values make of it. The read, the save's merge, the base, the reset, the factory values
// and the check for a file that lost keys all walk this one list.
//
// A profile's "Name" and "Exe" are read but never written by the program (the service
// keeps them), so they are not in the list: a save walks it key by key, and so do the
// per-key records of the base.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>
#include "platform/ini_document.h"
#include "platform/wide_text.h"
#include "settings/settings_record.h"

namespace ko {

struct SettingKey {
  // Sets a value in place, given the key's bytes in the record.
  using Rule = std::function<void(unsigned char* value)>;

  Text section;
  Text key;
  bool isRecord;  // a hex record of `size` bytes; otherwise a 32-bit integer
  size_t offset;  // of the value inside SettingsRecord
  size_t size;
  // The service's click counters: the program reads them and never changes them, so a save
  // writes them only into a file that lacks them.
  bool serviceOwned;
  // -1 for the device-wide keys of "Setting"; otherwise the profile whose section holds it.
  int profile;
  // An integer missing from the file reads as this; a record that is missing or damaged
  // leaves the record's bytes as they were.
  int32_t loadDefault;
  // What a reset leaves there (no rule: a reset leaves the value alone).
  Rule reset;
  // The factory value (no rule: the key has none).
  Rule factory;
  // The button assignments get their factory value where validation finds them unusable,
  // not where start-up finds them unset.
  bool isAssignment;

  unsigned char* in(SettingsRecord& record) const { return reinterpret_cast<unsigned char*>(&record) + offset; }
  const unsigned char* in(const SettingsRecord& record) const {
    return reinterpret_cast<const unsigned char*>(&record) + offset;
  }
};

const std::vector<SettingKey>& settingKeys();

// Whether the document holds a value the key's kind can be read from: a whole decimal
// integer, a record of the right length and checksum. Anything else is as good as
// missing, and a save writes the record's value there.
bool holdsReadableValue(const ini::Document& document, const SettingKey& key);

// The value text the profile functions would store for the key: the integer in decimal,
// a record as hex byte pairs with their checksum.
Text storedText(const SettingsRecord& record, const SettingKey& key);

// Whether the record holds nothing for the key: an integer at -1, a record whose every
// 32-bit word is -1 (the reset's marks, left where the file had nothing to read).
bool isUnset(const SettingsRecord& record, const SettingKey& key);

}  // namespace ko
