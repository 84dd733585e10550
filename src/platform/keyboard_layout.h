// The keyboard-layout seam: what the user's layout makes of a key. On Windows these are
// MapVirtualKeyW, ToAscii and VkKeyScanW; natively a US layout table answers the same.
#pragma once
#include <cstdint>

namespace ko {

class KeyboardLayout {
 public:
  virtual ~KeyboardLayout() = default;

  // Scan code of a virtual key (MapVirtualKeyW with map type 0); 0 when it has none.
  virtual uint32_t scanCodeOf(uint32_t virtualKey) const = 0;
  // ToAscii of the key with no key held (an all-zero keyboard state) and no menu active:
  // 0 when the key gives no character, 1 for one character, 2 when a stored dead key came
  // out first, -1 for a dead key (its spacing character in `character`). `character` is
  // set to the first character's code unit (ANSI code page byte in its low 8 bits), or 0.
  virtual int translate(uint32_t virtualKey, uint32_t scanCode, uint16_t& character) const = 0;
  // VkKeyScanW: virtual key in the low byte, shift state (1 Shift, 2 Ctrl, 4 Alt) in the
  // high byte; -1 when no key of the layout types the character.
  virtual int16_t keyForCharacter(char16_t character) const = 0;
};

// The layout the program uses: the user's on Windows, the US (101/104-key) table natively.
const KeyboardLayout& platformKeyboardLayout();

}  // namespace ko
