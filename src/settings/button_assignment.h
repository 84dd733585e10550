// The function of one mouse button: a 644-byte record that the device service reads back
// from the settings file byte for byte, so its layout is fixed.
#pragma once
#include <cstddef>
#include <cstdint>

namespace ko {

constexpr size_t kMacroNameUnits = 260;
constexpr size_t kAssignmentParamBytes = 120;
constexpr size_t kMaxKeyEntries = kAssignmentParamBytes / 2;

// One key of an assigned key sequence, kept inside ParamData.
struct KeyEntry {
  // Bit 7: 1 = release, 0 = press; bits 0..6: delay in 2 ms units (0 for a button key).
  uint8_t Flags;
  // USB HID usage ID of the Keyboard/Keypad page; 0 when the key has none.
  uint8_t Usage;
};
static_assert(sizeof(KeyEntry) == 2, "KeyEntry is two bytes in ParamData");
static_assert(offsetof(KeyEntry, Flags) == 0 && offsetof(KeyEntry, Usage) == 1, "KeyEntry byte order");

struct ButtonAssignment {
  uint8_t ButtonNumber;   // 1..11; 255 for a macro in run mode 1
  uint8_t FunctionCode;   // 0 = no function
  uint8_t ParamA;
  uint8_t ParamB;
  uint8_t ParamData[kAssignmentParamBytes];
  char16_t MacroName[kMacroNameUnits];  // NUL-terminated; used by macro assignments
};
static_assert(sizeof(ButtonAssignment) == 644, "stored as a 644-byte record");
static_assert(offsetof(ButtonAssignment, ButtonNumber) == 0, "byte 0");
static_assert(offsetof(ButtonAssignment, FunctionCode) == 1, "byte 1");
static_assert(offsetof(ButtonAssignment, ParamA) == 2, "byte 2");
static_assert(offsetof(ButtonAssignment, ParamB) == 3, "byte 3");
static_assert(offsetof(ButtonAssignment, ParamData) == 4, "bytes 4..123");
static_assert(offsetof(ButtonAssignment, MacroName) == 124, "bytes 124..643");

// Key entry i (0..59) lives at ParamData bytes 2i and 2i + 1, i.e. record bytes 4 + 2i, 5 + 2i.
inline KeyEntry keyEntryAt(const ButtonAssignment& a, size_t i) {
  return KeyEntry{a.ParamData[2 * i], a.ParamData[2 * i + 1]};
}
inline void setKeyEntry(ButtonAssignment& a, size_t i, KeyEntry entry) {
  a.ParamData[2 * i] = entry.Flags;
  a.ParamData[2 * i + 1] = entry.Usage;
}

}  // namespace ko
