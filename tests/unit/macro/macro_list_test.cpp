#include <gtest/gtest.h>

#include "macro/macro_file.h"
#include "macro/macro_list.h"
#include "macro_test_support.h"

namespace ko {
namespace {

class MacroListTest : public ::testing::Test {
 protected:
  void put(int slot, TextView name) { settings_.writeString(u"MACRO_LIST", decimal(slot), name); }
  Text slotValue(int slot, TextView absent = u"<absent>") const {
    return settings_.readString(u"MACRO_LIST", decimal(slot), absent);
  }
  test::MacroFolders folders_;
  ProfileFile settings_ = folders_.settings();
  MacroList list_;
};

TEST_F(MacroListTest, NamesInScatteredSlotsKeepTheirSlotsThroughRemovalAndAddition) {
  put(0, u"Alpha");
  put(3, u"Bravo");
  put(7, u"Charlie");
  EXPECT_EQ(LoadMacroList(list_, settings_), 3);
  EXPECT_EQ(list_.names(), (std::vector<Text>{u"Alpha", u"Bravo", u"Charlie"}));
  EXPECT_EQ(FindMacroSlot(settings_, u"Charlie"), 7) << "a slot, not a list position";

  EXPECT_TRUE(RemoveMacroName(list_, settings_, u"Bravo"));
  EXPECT_EQ(slotValue(3), u"") << "the key stays, empty";
  EXPECT_EQ(slotValue(0), u"Alpha");
  EXPECT_EQ(slotValue(7), u"Charlie");
  EXPECT_EQ(list_.names(), (std::vector<Text>{u"Alpha", u"Charlie"}));

  EXPECT_EQ(AddMacroName(settings_, u"Delta"), 1) << "the lowest free slot";
  EXPECT_EQ(AddMacroName(settings_, u"Echo"), 2);
  EXPECT_EQ(AddMacroName(settings_, u"Foxtrot"), 3);
  LoadMacroList(list_, settings_);
  EXPECT_EQ(list_.names(), (std::vector<Text>{u"Alpha", u"Delta", u"Echo", u"Foxtrot", u"Charlie"}));
}

TEST_F(MacroListTest, NamesCompareExactlyAndTheFirstOfTwoEqualNamesIsTheOneFound) {
  put(2, u"Fire");
  put(5, u"Fire");
  put(6, u"fire");
  EXPECT_EQ(FindMacroSlot(settings_, u"Fire"), 2);
  EXPECT_EQ(FindMacroSlot(settings_, u"fire"), 6);
  EXPECT_EQ(FindMacroSlot(settings_, u"FIRE"), -1);
  LoadMacroList(list_, settings_);
  EXPECT_EQ(list_.positionOf(u"fire"), 2);
  EXPECT_TRUE(list_.hasFileNameOf(u"FIRE")) << "the files of these names are one file on Windows";

  EXPECT_TRUE(RemoveMacroName(list_, settings_, u"Fire"));
  EXPECT_EQ(slotValue(2), u"");
  EXPECT_EQ(slotValue(5), u"Fire");
  EXPECT_FALSE(RemoveMacroName(list_, settings_, u"FIRE"));
}

TEST_F(MacroListTest, AnEmptyNameIsNeverFoundOrRemoved) {
  put(0, u"Alpha");
  EXPECT_EQ(FindMacroSlot(settings_, u""), -1) << "would otherwise name the first free slot";
  EXPECT_FALSE(RemoveMacroName(list_, settings_, u""));
  EXPECT_EQ(slotValue(1), u"<absent>") << "no free slot was written";
  EXPECT_EQ(list_.size(), 1u);
}

TEST_F(MacroListTest, TwentyNamesFillTheList) {
  for (int slot = 0; slot < kMacroSlotCount; ++slot) EXPECT_EQ(AddMacroName(settings_, u"N" + decimal(slot)), slot);
  EXPECT_EQ(AddMacroName(settings_, u"Extra"), -1);
  EXPECT_EQ(LoadMacroList(list_, settings_), 20);
  EXPECT_TRUE(list_.isFull());
  put(20, u"Beyond");  // keys past "19" are not macros
  EXPECT_EQ(LoadMacroList(list_, settings_), 20);
}

TEST(NewMacroName, TakesTheLowestNumberWithoutAFile) {
  test::MacroFolders folders;
  MacroList list;
  auto touch = [&](TextView name) { ASSERT_TRUE(writeFileBytes(folders.macroFile(name), "")); };
  EXPECT_EQ(NewMacroName(folders.macroFolder(), u"M", list).name, u"M1");
  touch(u"M1");
  touch(u"M2");
  const NewMacro third = NewMacroName(folders.macroFolder(), u"M", list);
  EXPECT_EQ(third.name, u"M3");
  EXPECT_EQ(third.path, folders.macroFile(u"M3"));
  ASSERT_TRUE(deleteFile(folders.macroFile(u"M2")));
  touch(u"M3");
  EXPECT_EQ(NewMacroName(folders.macroFolder(), u"M", list).name, u"M2");

  list.append(u"M2");  // listed, though its file went missing: the name is taken
  EXPECT_EQ(NewMacroName(folders.macroFolder(), u"M", list).name, u"M4");
}

TEST(MacroNames, OnlyPlainFileNamesCanBeMacroNames) {
  const Text folder = u"C:\\Users\\u\\AppData\\Roaming\\VX48K2\\RoduraZoviv\\Macro\\";
  for (const char16_t* good : {u"Fire", u"M1", u"Fire 2", u"a.b", u"\u8FDE\u53D1\u5B8F", u"Emoji \U0001F600",
                               u"COM0", u"CONSOLE", u"#;[x]=y"})
    EXPECT_TRUE(isUsableMacroName(good, folder)) << toUtf8(good);
  for (const char16_t* bad : {u"", u"..", u".", u"...", u"..\\..\\evil", u"a/b", u"a\\b", u"c:x", u"a*", u"a?",
                              u"say \"hi\"", u"<x>", u"a|b", u" lead", u"trail ", u"tab\t", u"line\nbreak",
                              u"CON", u"nul", u"Com1", u"LPT9.txt", u"aux "})
    EXPECT_FALSE(isUsableMacroName(bad, folder)) << toUtf8(bad);
  EXPECT_FALSE(isUsableMacroName(Text(1, char16_t(0xD800)), folder)) << "unpaired surrogate";
  EXPECT_FALSE(isUsableMacroName(Text(259, u'x'), folder)) << "longer than a button's macro name field";
  EXPECT_FALSE(isUsableMacroName(Text(210, u'x'), folder)) << "its path would pass the path limit";
  EXPECT_TRUE(isUsableMacroName(Text(150, u'x'), folder));
}

}  // namespace
}  // namespace ko
