#include <gtest/gtest.h>
#include <fstream>
#include <set>
#include "text/key_tables.h"
#include "platform/code_page.h"
#include "support/temp_dir.h"
#include "text/interface_text.h"

namespace ko {
namespace {

// A layout that types one chosen byte for every key, to see how names are made from it.
class OneCharacterLayout final : public KeyboardLayout {
 public:
  explicit OneCharacterLayout(uint16_t character, int count = 1) : character_(character), count_(count) {}
  uint32_t scanCodeOf(uint32_t virtualKey) const override { return virtualKey == 0xBA ? 0x27 : 0; }
  int translate(uint32_t, uint32_t scanCode, uint16_t& character) const override {
    character = scanCode != 0 ? character_ : 0;
    return scanCode != 0 ? count_ : 0;
  }
  int16_t keyForCharacter(char16_t) const override { return -1; }

 private:
  uint16_t character_;
  int count_;
};

TEST(HidUsageTable, IsOneToOne) {
  std::set<int> keys, usages;
  for (const auto& pair : HidUsageTable) {
    EXPECT_TRUE(keys.insert(pair.virtualKey).second) << int(pair.virtualKey);
    EXPECT_TRUE(usages.insert(pair.usage).second) << int(pair.usage);
    EXPECT_EQ(HidToVk(VkToHid(pair.virtualKey)), pair.virtualKey);
  }
}

TEST(HidUsageTable, ConvertsBothWaysAndKnowsWhatIsMissing) {
  EXPECT_EQ(VkToHid('A'), 4);
  EXPECT_EQ(VkToHid('Z'), 29);
  EXPECT_EQ(VkToHid('1'), 30);
  EXPECT_EQ(VkToHid('0'), 39);
  EXPECT_EQ(VkToHid(0x70), 58);
  EXPECT_EQ(VkToHid(0x7B), 69);
  EXPECT_EQ(VkToHid(0x60), 98);
  EXPECT_EQ(VkToHid(0x61), 89);
  EXPECT_EQ(VkToHid(0xA3), 228);
  EXPECT_EQ(VkToHid(0x2A), 70);
  EXPECT_EQ(VkToHid(0x2C), 0);  // Snapshot
  for (uint32_t generic : {0x10u, 0x11u, 0x12u}) EXPECT_EQ(VkToHid(generic), 0);
  EXPECT_EQ(VkToHid(0), 0);
  EXPECT_EQ(VkToHid(0x1FF), 0);
  EXPECT_EQ(HidToVk(40), 13u);
  EXPECT_EQ(HidToVk(88), 108u);
  EXPECT_EQ(HidToVk(0), 0u);
  EXPECT_EQ(HidToVk(255), 0u);
}

TEST(KeyNameCodeTable, CoversCodes16To159InOrderWithTheWindowsKeysTwice) {
  uint32_t previous = 0;
  int windowsKeys = 0;
  for (const auto& pair : KeyNameCodeTable) {
    EXPECT_GE(pair.code, previous);
    previous = pair.code;
    if (pair.code == 156) ++windowsKeys;
  }
  EXPECT_EQ(KeyNameCodeTable.front().code, 16);
  EXPECT_EQ(KeyNameCodeTable.back().code, 159);
  EXPECT_EQ(windowsKeys, 2);
}

TEST(KeyNameCodes, LastMatchWinsAndUnknownKeysGiveNothing) {
  EXPECT_EQ(VkToKeyNameCode(0x5B), 156u);
  EXPECT_EQ(VkToKeyNameCode(0x5C), 156u);
  EXPECT_EQ(KeyCodeNames(156, u""), u"Win");
  EXPECT_EQ(VkToKeyNameCode(0xB1), 148u);
  EXPECT_EQ(KeyCodeNames(148, u""), u"");
  EXPECT_EQ(VkToKeyNameCode('A'), 20u);
  EXPECT_EQ(KeyCodeNames(VkToKeyNameCode('A'), u""), u"A");
  EXPECT_EQ(KeyCodeNames(VkToKeyNameCode(HidToVk(40)), u""), u"Enter");
  EXPECT_EQ(VkToKeyNameCode(0), 0u);  // pairs without a key never match
  EXPECT_EQ(VkToKeyNameCode(0x7C), 0u);
  EXPECT_EQ(KeyCodeNames(0, u""), u"");
  EXPECT_EQ(KeyCodeNames(84, u""), u"\\");
  EXPECT_EQ(KeyCodeNames(244, u""), u"Left Windows");
  EXPECT_EQ(KeyCodeNames(245, u""), u"Right Windows");
  EXPECT_EQ(KeyCodeNames(246, u""), u"");
  EXPECT_EQ(KeyCodeNames(1000, u""), u"");
}

TEST(KeyNameCodes, MouseButtonsAreNamedByTheLanguageFile) {
  test::TempDir dir;
  std::ofstream(dir.fsFile(u"Strings.xml"), std::ios::binary)
      << "<L><BUTTONPAGE><CLICK>Left</CLICK><MENU>Right</MENU><MIDDLE>Middle</MIDDLE></BUTTONPAGE></L>";
  const Text file = dir.file(u"Strings.xml");
  EXPECT_EQ(KeyCodeNames(1, file), u"Left");
  EXPECT_EQ(KeyCodeNames(2, file), u"Right");
  EXPECT_EQ(KeyCodeNames(4, file), u"Middle");
  EXPECT_EQ(KeyCodeNames(3, file), u"");
  // Without a path, the language file the program set is used.
  const Text saved = LanguageFile();
  SetLanguageFile(file);
  EXPECT_EQ(KeyCodeNames(2), u"Right");
  SetLanguageFile(saved);
}

TEST(KeyNames, FixedNamesAndTheNumLockDifference) {
  EXPECT_EQ(LabelKeyName(0x6C), u"Enter");
  EXPECT_EQ(LabelKeyName(HidToVk(88)), u"Enter");
  EXPECT_EQ(LabelKeyName(0x60), u"Num0");
  EXPECT_EQ(LabelKeyName(0x69), u"Num9");
  EXPECT_EQ(LabelKeyName(0x70), u"F1");
  EXPECT_EQ(LabelKeyName(0x7B), u"F12");
  EXPECT_EQ(LabelKeyName(0xA5), u"RAlt");
  EXPECT_EQ(LabelKeyName(0x90), u"Numlock");
  EXPECT_EQ(DialogKeyName(0x90), u"Numl");
  EXPECT_EQ(DialogKeyName(0x2C), u"Snapshot");
}

TEST(KeyNames, OtherKeysAreNamedByTheirCharacterUpperCased) {
  EXPECT_EQ(LabelKeyName('A'), u"A");
  EXPECT_EQ(DialogKeyName('Q'), u"Q");
  EXPECT_EQ(LabelKeyName('7'), u"7");
  // On the layout of the native build (US) and under Wine's default one.
  EXPECT_EQ(LabelKeyName(0xBA), u";");
  EXPECT_EQ(LabelKeyName(0x7C), u"");  // F13 types nothing
  EXPECT_EQ(LabelKeyName(0x07), u"");

  EXPECT_EQ(LabelKeyName(0xBA, OneCharacterLayout('q')), u"Q");
  EXPECT_EQ(DialogKeyName(0xBA, OneCharacterLayout('^', -1)), u"^");  // dead key
  EXPECT_EQ(LabelKeyName(0xBA, OneCharacterLayout(0)), u"");
  // Only the low byte of the result counts.
  EXPECT_EQ(LabelKeyName(0xBA, OneCharacterLayout(0x4161)), u"A");
}

TEST(KeyNames, AnsiCharactersAreDecodedInTheAnsiPage) {
  if (ansiCodePage() != 1252) GTEST_SKIP() << "needs the Western European ANSI page";
  EXPECT_EQ(LabelKeyName(0xBA, OneCharacterLayout(0xFC)), u"\u00DC");  // u umlaut, upper-cased
  EXPECT_EQ(LabelKeyName(0xBA, OneCharacterLayout(0xA7)), u"\u00A7");  // section sign stays
  EXPECT_EQ(LabelKeyName(0xBA, OneCharacterLayout(0x80)), u"\u20AC");  // euro in 1252
}

}  // namespace
}  // namespace ko
