// Key names made from characters come from the user's layout exactly as the Win32
// keyboard functions give them: scan code by MapVirtualKeyW, character by ToAscii with no
// key held, upper-cased.
#include <windows.h>
#include <gtest/gtest.h>
#include "text/key_tables.h"

namespace ko {
namespace {

Text expectedName(UINT virtualKey) {
  BYTE state[256] = {};
  WORD chars[2] = {0, 0};
  const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  const int count = ToAscii(virtualKey, scanCode, state, chars, 0);
  if (count < 0) ToAscii(virtualKey, scanCode, state, chars, 0);
  char byte = count != 0 ? static_cast<char>(chars[0] & 0xFF) : 0;
  if (byte == 0) return {};
  if (byte >= 'a' && byte <= 'z') byte = static_cast<char>(byte - 32);
  wchar_t wide[4] = {};
  if (static_cast<unsigned char>(byte) < 0x80) return Text(1, static_cast<char16_t>(byte));
  MultiByteToWideChar(CP_ACP, 0, &byte, 1, wide, 4);
  return Text(1, static_cast<char16_t>(wide[0]));
}

TEST(WinKeyNames, CharacterKeysFollowTheSystemLayout) {
  // Letters, digits and the OEM punctuation keys: none of them has a fixed name.
  for (UINT vk = 0x30; vk <= 0x5A; ++vk) {
    if (vk > 0x39 && vk < 0x41) continue;
    EXPECT_EQ(LabelKeyName(vk), expectedName(vk)) << std::hex << vk;
  }
  for (UINT vk : {0xBAu, 0xBBu, 0xBCu, 0xBDu, 0xBEu, 0xBFu, 0xC0u, 0xDBu, 0xDCu, 0xDDu, 0xDEu, 0xE2u}) {
    EXPECT_EQ(LabelKeyName(vk), expectedName(vk)) << std::hex << vk;
    EXPECT_EQ(DialogKeyName(vk), LabelKeyName(vk)) << std::hex << vk;
  }
}

TEST(WinKeyNames, TheLayoutSeamIsTheWin32Layout) {
  const KeyboardLayout& layout = platformKeyboardLayout();
  for (UINT vk = 0x08; vk <= 0xFE; ++vk) {
    EXPECT_EQ(layout.scanCodeOf(vk), MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << std::hex << vk;
  }
  for (wchar_t c = 0x20; c < 0x7F; ++c) EXPECT_EQ(layout.keyForCharacter(static_cast<char16_t>(c)), VkKeyScanW(c)) << c;
}

}  // namespace
}  // namespace ko
