// Reading a window's skin layout file: picture names, captions, the value limit, and the
// two spellings of the skin folder.
#include <gtest/gtest.h>

#include <map>
#include "skin/skin_files.h"

namespace ko {
namespace {

// A layout file held in memory that hands back values whole, whatever their length, so the
// reader's own limit is what the tests see.
class LayoutStrings final : public ProfileStrings {
 public:
  std::map<std::pair<Text, Text>, Text> values;
  std::vector<Text> readKeys;

  Text readString(TextView, TextView section, TextView key, TextView fallback) override {
    readKeys.push_back(Text(section) + u"/" + Text(key));
    auto it = values.find({Text(section), Text(key)});
    return it == values.end() ? Text(fallback) : it->second;
  }
  bool writeString(TextView, TextView, TextView, TextView) override { return false; }
  int32_t readInt(TextView, TextView, TextView, int32_t fallback) override { return fallback; }
  bool readStruct(TextView, TextView, TextView, void*, size_t) override { return false; }
  bool writeStruct(TextView, TextView, TextView, const void*, size_t) override { return false; }
};

TEST(SkinFiles, PathsStartAtTheProgramFolderAndSpellTheMenuFolderDifferently) {
  EXPECT_EQ(SkinFolder(u"C:\\Kocfg\\"), u"C:\\Kocfg\\skins\\");
  EXPECT_EQ(SkinPath(u"C:\\Kocfg\\", u"skin_main.ini"), u"C:\\Kocfg\\skins\\skin_main.ini");
  EXPECT_EQ(MenuPicturePath(u"C:\\Kocfg\\", u"1menu_over.png"), u"C:\\Kocfg\\Skins\\1menu_over.png");
  // The two spellings differ only in case, which file lookups in the skin folder ignore.
  EXPECT_TRUE(equalsNoCase(SkinPath(u"C:\\K\\", u"a.png"), MenuPicturePath(u"C:\\K\\", u"a.png")));
}

TEST(SkinFiles, ScreenReadsOnlyTheKeysTheWindowAsksFor) {
  LayoutStrings strings;
  strings.values[{u"Screen", u"Main"}] = u"main.png";
  strings.values[{u"Screen", u"Over"}] = u"over.png";
  strings.values[{u"Screen", u"Down"}] = u"down.png";
  ProfileFile layout(u"skin_advance.ini", strings);

  const SkinScreen screen = ReadSkinScreen(layout, {true, false, true, false});
  EXPECT_EQ(screen.main, u"main.png");
  EXPECT_EQ(screen.over, u"");
  EXPECT_EQ(screen.down, u"down.png");
  EXPECT_EQ(screen.disabled, u"");
  EXPECT_EQ(strings.readKeys, (std::vector<Text>{u"Screen/Main", u"Screen/Down"}));
}

TEST(SkinFiles, MissingKeysAndAFileWithoutCaptionsGiveEmptyValues) {
  LayoutStrings strings;
  strings.values[{u"Screen", u"Main"}] = u"main.png";
  ProfileFile layout(u"skin_main.ini", strings);
  const SkinScreen screen = ReadSkinScreen(layout);
  EXPECT_EQ(screen.main, u"main.png");
  EXPECT_TRUE(screen.over.empty() && screen.down.empty() && screen.disabled.empty());
  for (int number = 1; number <= 75; ++number) EXPECT_EQ(ReadButtonCaption(layout, number), u"");
}

TEST(SkinFiles, CaptionsAreKeyedByDecimalNumberAndCutTo4095Units) {
  LayoutStrings strings;
  const Text exact(4095, u'x');
  strings.values[{u"BUTTONPOS", u"7"}] = u"Back";
  strings.values[{u"BUTTONPOS", u"12"}] = exact;
  strings.values[{u"BUTTONPOS", u"13"}] = exact + u"yz";
  ProfileFile layout(u"skin_main.ini", strings);
  EXPECT_EQ(ReadButtonCaption(layout, 7), u"Back");
  EXPECT_EQ(ReadButtonCaption(layout, 12), exact);
  EXPECT_EQ(ReadButtonCaption(layout, 13), exact);
  EXPECT_EQ(ReadSkinScreen(layout).main, u"");
}

}  // namespace
}  // namespace ko
