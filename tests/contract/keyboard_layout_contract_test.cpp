// The keyboard-layout seam: the US table (native) and the Win32 keyboard functions under
// Wine (whose default layout is US) give the same answers.
#include <gtest/gtest.h>
#include "platform/keyboard_layout.h"

namespace ko {
namespace {

struct KeyExpectation {
  uint32_t virtualKey;
  uint32_t scanCode;
  char character;  // 0 = none
};

constexpr KeyExpectation kKeys[] = {
    {'A', 0x1E, 'a'}, {'M', 0x32, 'm'}, {'Q', 0x10, 'q'}, {'Z', 0x2C, 'z'},
    {'0', 0x0B, '0'}, {'1', 0x02, '1'}, {'9', 0x0A, '9'},
    {0xBA, 0x27, ';'}, {0xBB, 0x0D, '='}, {0xBC, 0x33, ','}, {0xBD, 0x0C, '-'}, {0xBE, 0x34, '.'},
    {0xBF, 0x35, '/'}, {0xC0, 0x29, '`'}, {0xDB, 0x1A, '['}, {0xDC, 0x2B, '\\'}, {0xDD, 0x1B, ']'},
    {0xDE, 0x28, '\''},
    {0x20, 0x39, ' '}, {0x0D, 0x1C, '\r'}, {0x09, 0x0F, '\t'}, {0x08, 0x0E, '\b'}, {0x1B, 0x01, '\x1B'},
    {0x70, 0x3B, 0}, {0x79, 0x44, 0}, {0x14, 0x3A, 0}, {0xA0, 0x2A, 0}, {0xA1, 0x36, 0},
};

TEST(KeyboardLayoutContract, ScanCodesOfTheMainKeys) {
  const KeyboardLayout& layout = platformKeyboardLayout();
  for (const auto& key : kKeys) EXPECT_EQ(layout.scanCodeOf(key.virtualKey), key.scanCode) << std::hex << key.virtualKey;
}

TEST(KeyboardLayoutContract, CharactersWithNoKeyHeld) {
  const KeyboardLayout& layout = platformKeyboardLayout();
  for (const auto& key : kKeys) {
    uint16_t character = 0xFFFF;
    const int count = layout.translate(key.virtualKey, layout.scanCodeOf(key.virtualKey), character);
    if (key.character == 0) {
      EXPECT_EQ(count, 0) << std::hex << key.virtualKey;
    } else {
      EXPECT_EQ(count, 1) << std::hex << key.virtualKey;
      EXPECT_EQ(character & 0xFF, static_cast<unsigned char>(key.character)) << std::hex << key.virtualKey;
    }
  }
}

TEST(KeyboardLayoutContract, CharactersBackToKeys) {
  const KeyboardLayout& layout = platformKeyboardLayout();
  EXPECT_EQ(layout.keyForCharacter(u'a'), 0x41);
  EXPECT_EQ(layout.keyForCharacter(u'A'), 0x141);
  EXPECT_EQ(layout.keyForCharacter(u'5'), 0x35);
  EXPECT_EQ(layout.keyForCharacter(u'%'), 0x135);
  EXPECT_EQ(layout.keyForCharacter(u';'), 0xBA);
  EXPECT_EQ(layout.keyForCharacter(u':'), 0x1BA);
  EXPECT_EQ(layout.keyForCharacter(u' '), 0x20);
  EXPECT_EQ(layout.keyForCharacter(u'\u4E2D'), -1);
}

}  // namespace
}  // namespace ko
