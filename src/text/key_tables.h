// Keys inside the program are Windows virtual-key codes; the mouse stores USB HID usage IDs
// (Keyboard/Keypad page 0x07); macro steps are shown by key-name codes that follow the
// physical key layout. These tables convert between them and name every key.
#pragma once
#include <array>
#include <cstdint>
#include "platform/keyboard_layout.h"
#include "platform/wide_text.h"

namespace ko {

struct VkHidPair {
  uint8_t virtualKey;
  uint8_t usage;
};

struct KeyNameCodePair {
  uint8_t code;
  uint8_t virtualKey;  // 0: the code has no key and never matches
};

// One-to-one: no key and no usage occurs twice.
extern const std::array<VkHidPair, 104> HidUsageTable;
// Codes 16..159 in order, 156 twice (both Windows keys); virtual key 0xB1 under 147 and 148.
extern const std::array<KeyNameCodePair, 145> KeyNameCodeTable;

// The usage of a virtual key; 0 ("not found") when it has none, as for Snapshot (0x2C) and
// the generic Shift, Ctrl and Alt keys, which must be told apart into left and right first.
uint8_t VkToHid(uint32_t virtualKey);
// The virtual key of a usage; 0 when none.
uint32_t HidToVk(uint32_t usage);
// The key-name code of the last pair whose virtual key matches; 0 when none.
uint32_t VkToKeyNameCode(uint32_t virtualKey);

// Key names for button labels and for the key capture dialog. The two differ only for
// Num Lock; keys without a fixed name are named by the character the layout gives them.
Text LabelKeyName(uint32_t virtualKey, const KeyboardLayout& layout = platformKeyboardLayout());
Text DialogKeyName(uint32_t virtualKey, const KeyboardLayout& layout = platformKeyboardLayout());

// The display name of a key-name code; "" outside 1..245 or when not listed. Codes 1, 2 and 4
// (the three mouse buttons of macro steps) are the interface texts "CLICK", "MENU" and
// "MIDDLE" of the given language file, or of LanguageFile() when none is given.
Text KeyCodeNames(uint32_t code);
Text KeyCodeNames(uint32_t code, TextView languageFile);

}  // namespace ko
