// The native stand-in for the user's keyboard layout: the US 101/104-key layout, with the
// scan codes and characters Windows gives for it.
#include <cstddef>
#include "platform/keyboard_layout.h"

namespace ko {
namespace {

struct KeyRow {
  uint8_t virtualKey;
  uint8_t scanCode;
  char plain;    // ToAscii with no key held; 0 = none
  char shifted;  // with Shift held, for VkKeyScanW; 0 = none
};

// Character keys first, in the order a reverse lookup should prefer them (main block
// before the keypad), then the keys that give no character.
constexpr KeyRow kKeys[] = {
    {0x41, 0x1E, 'a', 'A'}, {0x42, 0x30, 'b', 'B'}, {0x43, 0x2E, 'c', 'C'}, {0x44, 0x20, 'd', 'D'},
    {0x45, 0x12, 'e', 'E'}, {0x46, 0x21, 'f', 'F'}, {0x47, 0x22, 'g', 'G'}, {0x48, 0x23, 'h', 'H'},
    {0x49, 0x17, 'i', 'I'}, {0x4A, 0x24, 'j', 'J'}, {0x4B, 0x25, 'k', 'K'}, {0x4C, 0x26, 'l', 'L'},
    {0x4D, 0x32, 'm', 'M'}, {0x4E, 0x31, 'n', 'N'}, {0x4F, 0x18, 'o', 'O'}, {0x50, 0x19, 'p', 'P'},
    {0x51, 0x10, 'q', 'Q'}, {0x52, 0x13, 'r', 'R'}, {0x53, 0x1F, 's', 'S'}, {0x54, 0x14, 't', 'T'},
    {0x55, 0x16, 'u', 'U'}, {0x56, 0x2F, 'v', 'V'}, {0x57, 0x11, 'w', 'W'}, {0x58, 0x2D, 'x', 'X'},
    {0x59, 0x15, 'y', 'Y'}, {0x5A, 0x2C, 'z', 'Z'},
    {0x30, 0x0B, '0', ')'}, {0x31, 0x02, '1', '!'}, {0x32, 0x03, '2', '@'}, {0x33, 0x04, '3', '#'},
    {0x34, 0x05, '4', '$'}, {0x35, 0x06, '5', '%'}, {0x36, 0x07, '6', '^'}, {0x37, 0x08, '7', '&'},
    {0x38, 0x09, '8', '*'}, {0x39, 0x0A, '9', '('},
    {0xBA, 0x27, ';', ':'}, {0xBB, 0x0D, '=', '+'}, {0xBC, 0x33, ',', '<'}, {0xBD, 0x0C, '-', '_'},
    {0xBE, 0x34, '.', '>'}, {0xBF, 0x35, '/', '?'}, {0xC0, 0x29, '`', '~'}, {0xDB, 0x1A, '[', '{'},
    {0xDC, 0x2B, '\\', '|'}, {0xDD, 0x1B, ']', '}'}, {0xDE, 0x28, '\'', '"'}, {0xE2, 0x56, '\\', '|'},
    {0x20, 0x39, ' ', ' '}, {0x0D, 0x1C, '\r', '\r'}, {0x09, 0x0F, '\t', '\t'}, {0x08, 0x0E, '\b', '\b'},
    {0x1B, 0x01, '\x1B', '\x1B'},
    {0x60, 0x52, '0', 0}, {0x61, 0x4F, '1', 0}, {0x62, 0x50, '2', 0}, {0x63, 0x51, '3', 0},
    {0x64, 0x4B, '4', 0}, {0x65, 0x4C, '5', 0}, {0x66, 0x4D, '6', 0}, {0x67, 0x47, '7', 0},
    {0x68, 0x48, '8', 0}, {0x69, 0x49, '9', 0}, {0x6A, 0x37, '*', 0}, {0x6B, 0x4E, '+', 0},
    {0x6D, 0x4A, '-', 0}, {0x6E, 0x53, '.', 0}, {0x6F, 0x35, '/', 0},
    {0x10, 0x2A, 0, 0}, {0x11, 0x1D, 0, 0}, {0x12, 0x38, 0, 0}, {0x13, 0x45, 0, 0},
    {0x14, 0x3A, 0, 0}, {0x21, 0x49, 0, 0}, {0x22, 0x51, 0, 0}, {0x23, 0x4F, 0, 0},
    {0x24, 0x47, 0, 0}, {0x25, 0x4B, 0, 0}, {0x26, 0x48, 0, 0}, {0x27, 0x4D, 0, 0},
    {0x28, 0x50, 0, 0}, {0x2C, 0x54, 0, 0}, {0x2D, 0x52, 0, 0}, {0x2E, 0x53, 0, 0},
    {0x5B, 0x5B, 0, 0}, {0x5C, 0x5C, 0, 0}, {0x5D, 0x5D, 0, 0},
    {0x70, 0x3B, 0, 0}, {0x71, 0x3C, 0, 0}, {0x72, 0x3D, 0, 0}, {0x73, 0x3E, 0, 0},
    {0x74, 0x3F, 0, 0}, {0x75, 0x40, 0, 0}, {0x76, 0x41, 0, 0}, {0x77, 0x42, 0, 0},
    {0x78, 0x43, 0, 0}, {0x79, 0x44, 0, 0}, {0x7A, 0x57, 0, 0}, {0x7B, 0x58, 0, 0},
    {0x90, 0x45, 0, 0}, {0x91, 0x46, 0, 0},
    {0xA0, 0x2A, 0, 0}, {0xA1, 0x36, 0, 0}, {0xA2, 0x1D, 0, 0}, {0xA3, 0x1D, 0, 0},
    {0xA4, 0x38, 0, 0}, {0xA5, 0x38, 0, 0},
};

const KeyRow* rowOf(uint32_t virtualKey) {
  for (const auto& row : kKeys)
    if (row.virtualKey == virtualKey) return &row;
  return nullptr;
}

class UsKeyboardLayout final : public KeyboardLayout {
 public:
  uint32_t scanCodeOf(uint32_t virtualKey) const override {
    const KeyRow* row = rowOf(virtualKey);
    return row ? row->scanCode : 0;
  }

  int translate(uint32_t virtualKey, uint32_t scanCode, uint16_t& character) const override {
    character = 0;
    const KeyRow* row = rowOf(virtualKey);
    if (!row || row->plain == 0 || scanCode == 0) return 0;
    character = static_cast<uint8_t>(row->plain);
    return 1;
  }

  int16_t keyForCharacter(char16_t character) const override {
    if (character == 0 || character > 0x7F) return -1;
    for (const auto& row : kKeys)
      if (row.plain == static_cast<char>(character)) return row.virtualKey;
    for (const auto& row : kKeys)
      if (row.shifted == static_cast<char>(character)) return static_cast<int16_t>(0x100 | row.virtualKey);
    // Control characters are typed as Ctrl with a letter (Ctrl+A is 1) or a bracket key.
    if (character >= 1 && character <= 26) return static_cast<int16_t>(0x200 | (0x40 + character));
    return -1;
  }
};

}  // namespace

const KeyboardLayout& platformKeyboardLayout() {
  static const UsKeyboardLayout layout;
  return layout;
}

}  // namespace ko
