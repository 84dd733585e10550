#include <gtest/gtest.h>

#include <filesystem>

#include "macro/macro_file.h"
#include "macro/macro_library.h"
#include "macro_test_support.h"
#include "support/file_bytes.h"

namespace ko {
namespace {

class MacroLibraryTest : public ::testing::Test {
 protected:
  void put(int slot, TextView name) { settings_.writeString(u"MACRO_LIST", decimal(slot), name); }
  Text slotValue(int slot) const { return settings_.readString(u"MACRO_LIST", decimal(slot), u"<absent>"); }
  // A macro file with `steps` key presses of A, listed in `slot`.
  void makeMacro(int slot, TextView name, int steps) {
    MacroDocument d;
    for (int i = 0; i < steps; ++i) d.steps[d.count++] = keyStep(0x04, true);
    ASSERT_TRUE(SaveMacroFile(d, folders_.macroFile(name)));
    put(slot, name);
  }
  MacroLibrary library() { return MacroLibrary(folders_.places(), test::testText); }

  test::MacroFolders folders_;
  ProfileFile settings_ = folders_.settings();
  test::RecordingPrompts prompts_;
};

TEST_F(MacroLibraryTest, StartOpensTheFirstMacroOrNone) {
  MacroLibrary empty = library();
  empty.start();
  EXPECT_FALSE(empty.hasCurrent());
  EXPECT_EQ(empty.currentSlot(), -1);

  makeMacro(4, u"Second", 1);
  makeMacro(2, u"First", 2);
  MacroLibrary lib = library();
  lib.start();
  EXPECT_EQ(lib.document().name, u"First");
  EXPECT_EQ(lib.document().count, 2);
  EXPECT_EQ(lib.view().rows.size(), 2u);
  EXPECT_EQ(lib.currentSlot(), 2);
  EXPECT_TRUE(lib.pick(1));
  EXPECT_EQ(lib.document().name, u"Second");
  EXPECT_FALSE(lib.pick(2));
  EXPECT_FALSE(lib.pick(-1));
  EXPECT_EQ(lib.document().name, u"Second");
}

TEST_F(MacroLibraryTest, ANewMacroTakesTheNextNameAndTheLowestFreeSlot) {
  makeMacro(0, u"Alpha", 1);
  makeMacro(3, u"Bravo", 1);
  makeMacro(7, u"Charlie", 1);
  MacroLibrary lib = library();
  lib.start();
  lib.document().loopText = u"4";
  ASSERT_TRUE(lib.createMacro());
  EXPECT_EQ(lib.document().name, u"M1");
  EXPECT_EQ(slotValue(1), u"M1");
  EXPECT_EQ(lib.document().count, 0);
  EXPECT_TRUE(lib.view().rows.empty());
  EXPECT_TRUE(lib.view().looping) << "the loop field is kept as it stands";
  EXPECT_EQ(lib.list().names(), (std::vector<Text>{u"Alpha", u"M1", u"Bravo", u"Charlie"}));
  const ProfileFile file(folders_.macroFile(u"M1"));
  EXPECT_EQ(file.readInt(u"Setting", u"Count", -1), 0);
  EXPECT_EQ(file.readInt(u"Setting", u"LoopTime", -1), 4);

  ASSERT_TRUE(lib.createMacro());
  EXPECT_EQ(lib.document().name, u"M2");
  EXPECT_EQ(slotValue(2), u"M2");
}

TEST_F(MacroLibraryTest, NothingIsCreatedOrImportedWithTwentyMacros) {
  for (int slot = 0; slot < kMacroSlotCount; ++slot) put(slot, u"N" + decimal(slot));
  ASSERT_TRUE(writeFileBytes(folders_.dir().file(u"In.macro"), ""));
  prompts_.importReply = folders_.dir().file(u"In.macro");
  MacroLibrary lib = library();
  lib.start();
  EXPECT_FALSE(lib.createMacro());
  EXPECT_FALSE(lib.importMacro(prompts_));
  EXPECT_TRUE(prompts_.dialogsShown.empty());
  EXPECT_FALSE(fileExists(folders_.macroFile(u"M1")));
  EXPECT_EQ(lib.list().size(), 20u);
}

TEST_F(MacroLibraryTest, CreatingIntoAMissingMacroFolderMakesTheFolder) {
  std::filesystem::remove_all(folders_.dir().fsFile(u"Macro"));
  MacroLibrary lib = library();
  lib.start();
  ASSERT_TRUE(lib.createMacro());
  EXPECT_TRUE(fileExists(folders_.macroFile(u"M1")));
}

TEST_F(MacroLibraryTest, RenameKeepsTheSlotAndMovesTheFile) {
  makeMacro(1, u"Alpha", 1);  // slot 0 is free: the renamed macro must not move there
  makeMacro(2, u"Bravo", 3);
  MacroLibrary lib = library();
  lib.start();
  ASSERT_TRUE(lib.pick(1));
  prompts_.nameReply = u"Burst";
  ASSERT_TRUE(lib.renameMacro(prompts_));
  EXPECT_EQ(prompts_.namesOffered, (std::vector<Text>{u"Bravo"}));
  EXPECT_EQ(lib.document().name, u"Burst");
  EXPECT_EQ(slotValue(2), u"Burst");
  EXPECT_EQ(slotValue(0), u"<absent>");
  EXPECT_EQ(lib.list().names(), (std::vector<Text>{u"Alpha", u"Burst"})) << "positions stay for the buttons";
  EXPECT_FALSE(fileExists(folders_.macroFile(u"Bravo")));
  MacroDocument moved;
  EXPECT_EQ(LoadMacroFile(moved, folders_.macroFile(u"Burst")), 3);
}

TEST_F(MacroLibraryTest, RenameToItsOwnNameOrAnotherMacrosNameChangesNothing) {
  makeMacro(0, u"Alpha", 1);
  makeMacro(1, u"Bravo", 3);
  const std::string alphaBytes = test::bytesOf(folders_.macroFile(u"Alpha"));
  MacroLibrary lib = library();
  lib.start();
  ASSERT_TRUE(lib.pick(1));
  for (const char16_t* refused : {u"Bravo", u"Alpha", u"ALPHA", u"", u"..\\Mouse", u" Bravo", u"CON", u"a:b"}) {
    prompts_.nameReply = refused;
    EXPECT_FALSE(lib.renameMacro(prompts_)) << toUtf8(refused);
  }
  prompts_.nameReply.reset();
  EXPECT_FALSE(lib.renameMacro(prompts_)) << "cancelled";

  EXPECT_EQ(lib.document().name, u"Bravo");
  EXPECT_EQ(lib.list().names(), (std::vector<Text>{u"Alpha", u"Bravo"}));
  EXPECT_EQ(test::bytesOf(folders_.macroFile(u"Alpha")), alphaBytes);
  MacroDocument kept;
  EXPECT_EQ(LoadMacroFile(kept, folders_.macroFile(u"Bravo")), 3);
  EXPECT_FALSE(fileExists(folders_.dir().file(u"Mouse.macro")));
}

TEST_F(MacroLibraryTest, ChangingOnlyTheLetterCaseKeepsTheMacrosFile) {
  makeMacro(0, u"fire", 2);
  MacroLibrary lib = library();
  lib.start();
  prompts_.nameReply = u"Fire";
  ASSERT_TRUE(lib.renameMacro(prompts_));
  EXPECT_EQ(slotValue(0), u"Fire");
  MacroLibrary reopened = library();
  reopened.start();
  EXPECT_EQ(reopened.document().name, u"Fire");
  EXPECT_EQ(reopened.document().count, 2) << "the file of the new spelling holds the steps";
}

TEST_F(MacroLibraryTest, ANameInChineseSurvivesCreateListLoadAndRename) {
  const Text chinese = u"\u8FDE\u53D1\u5B8F";
  const Text renamed = u"\u5FEB\u901F\u8FDE\u53D1";
  MacroLibrary lib(folders_.places(), [&](TextView key) { return key == u"NEWMACRO" ? chinese : Text(key); });
  lib.start();
  ASSERT_TRUE(lib.createMacro());
  EXPECT_EQ(lib.document().name, chinese + u"1");
  lib.document().steps[0] = keyStep(0x04, true);
  lib.document().count = 1;
  ASSERT_TRUE(lib.saveCurrent());

  MacroLibrary again(folders_.places(), test::testText);
  again.start();
  ASSERT_EQ(again.list().names(), (std::vector<Text>{chinese + u"1"}));
  EXPECT_EQ(again.document().count, 1);
  prompts_.nameReply = renamed;
  ASSERT_TRUE(again.renameMacro(prompts_));

  MacroLibrary third(folders_.places(), test::testText);
  third.start();
  EXPECT_EQ(third.list().names(), (std::vector<Text>{renamed}));
  EXPECT_EQ(third.document().count, 1);
  EXPECT_FALSE(fileExists(folders_.macroFile(chinese + u"1")));
}

TEST_F(MacroLibraryTest, DeleteAsksFirstThenOpensTheFirstRemainingMacro) {
  makeMacro(0, u"Alpha", 1);
  makeMacro(5, u"Bravo", 2);
  MacroLibrary lib = library();
  lib.start();
  prompts_.confirmReply = false;
  EXPECT_FALSE(lib.deleteMacro(prompts_));
  EXPECT_EQ(prompts_.warningsShown, (std::vector<Text>{u"WARN2"}));
  EXPECT_TRUE(fileExists(folders_.macroFile(u"Alpha")));

  prompts_.confirmReply = true;
  ASSERT_TRUE(lib.deleteMacro(prompts_));
  EXPECT_FALSE(fileExists(folders_.macroFile(u"Alpha")));
  EXPECT_EQ(slotValue(0), u"");
  EXPECT_EQ(lib.document().name, u"Bravo");
  EXPECT_EQ(lib.document().count, 2);

  ASSERT_TRUE(lib.deleteMacro(prompts_));
  EXPECT_FALSE(lib.hasCurrent());
  EXPECT_EQ(lib.document().count, 0);
  EXPECT_TRUE(lib.view().rows.empty());
  EXPECT_FALSE(lib.deleteMacro(prompts_)) << "nothing left to delete";
}

TEST_F(MacroLibraryTest, ImportCopiesTheFileUnderItsTitleWithoutOverwritingAMacro) {
  makeMacro(0, u"Fire", 1);
  MacroDocument outside;
  for (int i = 0; i < 5; ++i) outside.steps[outside.count++] = delayStep(100);
  const Text picked = folders_.dir().file(u"Fire.macro");
  ASSERT_TRUE(SaveMacroFile(outside, picked));
  MacroLibrary lib = library();
  lib.start();
  prompts_.importReply = picked;
  ASSERT_TRUE(lib.importMacro(prompts_));

  EXPECT_EQ(lib.document().name, u"Fire1");
  EXPECT_EQ(lib.document().count, 5);
  EXPECT_EQ(lib.list().names(), (std::vector<Text>{u"Fire", u"Fire1"}));
  EXPECT_EQ(test::bytesOf(folders_.macroFile(u"Fire1")), test::bytesOf(picked)) << "copied unchanged";
  MacroDocument original;
  EXPECT_EQ(LoadMacroFile(original, folders_.macroFile(u"Fire")), 1) << "the listed macro is untouched";

  const MacroFileDialog& dialog = prompts_.dialogsShown.at(0);
  EXPECT_EQ(dialog.filter, u"MACROFILENAME(*.macro)|*.macro|");
  EXPECT_EQ(dialog.initialName, u"*.macro");
  EXPECT_EQ(dialog.defaultExtension, u".macro");
  EXPECT_EQ(dialog.initialFolder, folders_.dir().folder() + u"MACRO\\");

  const Text plain = folders_.dir().file(u"Burst.macro");
  ASSERT_TRUE(SaveMacroFile(outside, plain));
  prompts_.importReply = plain;
  ASSERT_TRUE(lib.importMacro(prompts_));
  EXPECT_EQ(lib.document().name, u"Burst");
  EXPECT_EQ(lib.list().size(), 3u);
}

TEST_F(MacroLibraryTest, ImportRefusesMissingFilesAndTitlesThatCannotBeNames) {
  MacroLibrary lib = library();
  lib.start();
  prompts_.importReply = folders_.dir().file(u"Absent.macro");
  EXPECT_FALSE(lib.importMacro(prompts_));
  const Text blank = folders_.dir().file(u"Trailing .macro");
  ASSERT_TRUE(writeFileBytes(blank, ""));
  prompts_.importReply = blank;
  EXPECT_FALSE(lib.importMacro(prompts_));
  prompts_.importReply.reset();
  EXPECT_FALSE(lib.importMacro(prompts_));
  EXPECT_TRUE(lib.list().empty());
  EXPECT_EQ(slotValue(0), u"<absent>");
}

TEST_F(MacroLibraryTest, ExportWritesTheOpenMacroToTheChosenPath) {
  makeMacro(0, u"Fire", 2);
  MacroLibrary lib = library();
  lib.start();
  EXPECT_FALSE(lib.exportMacro(prompts_)) << "cancelled";
  const Text target = folders_.dir().file(u"Shared.macro");
  prompts_.exportReply = target;
  ASSERT_TRUE(lib.exportMacro(prompts_));
  const ProfileFile file(target);
  EXPECT_EQ(file.readString(u"Setting", u"MacroFilePath"), target);
  EXPECT_EQ(file.readInt(u"Setting", u"Count", -1), 2);
  EXPECT_EQ(lib.list().size(), 1u) << "an export lists nothing";
}

TEST_F(MacroLibraryTest, ListedNamesThatAreNoPlainFileNamesAreNeverOpenedSavedOrDeleted) {
  // Files a hand-edited list could point at: beside the settings file, and in the folder.
  const Text victim = folders_.dir().file(u"victim.macro");
  MacroDocument bait;
  bait.steps[bait.count++] = keyStep(0x05, true);
  ASSERT_TRUE(SaveMacroFile(bait, victim));
  const std::string victimBytes = test::bytesOf(victim);

  for (const char16_t* unsafe : {u"..\\victim", u"../victim", u"..", u"C:victim", u"NUL", u"x\\y"}) {
    SCOPED_TRACE(toUtf8(unsafe));
    settings_.writeString(u"MACRO_LIST", u"0", unsafe);
    MacroLibrary lib = library();
    lib.start();
    ASSERT_EQ(lib.document().name, Text(unsafe)) << "listed and shown";
    EXPECT_FALSE(lib.currentIsStorable());
    EXPECT_EQ(lib.document().count, 0) << "no file read for it";
    EXPECT_EQ(lib.currentPath(), u"");
    EXPECT_FALSE(lib.saveCurrent());
    ASSERT_TRUE(lib.deleteMacro(prompts_));
    EXPECT_EQ(slotValue(0), u"") << "the entry leaves the list";
    EXPECT_EQ(test::bytesOf(victim), victimBytes);
  }

  // Renaming such an entry to a real name gives it a file of its own and deletes nothing.
  settings_.writeString(u"MACRO_LIST", u"0", u"..\\victim");
  MacroLibrary lib = library();
  lib.start();
  prompts_.nameReply = u"Safe";
  ASSERT_TRUE(lib.renameMacro(prompts_));
  EXPECT_TRUE(lib.currentIsStorable());
  EXPECT_EQ(slotValue(0), u"Safe");
  EXPECT_TRUE(fileExists(folders_.macroFile(u"Safe")));
  EXPECT_EQ(test::bytesOf(victim), victimBytes);
}

TEST_F(MacroLibraryTest, TypedNamesWithQuotesAtEitherEndAreRefused) {
  // The profile functions strip enclosing quotes: the list would name another file.
  for (const char16_t* refused : {u"'Fire'", u"\"Fire\"", u"'Fire", u"Fire'"})
    EXPECT_FALSE(isUsableMacroName(refused, folders_.macroFolder())) << toUtf8(refused);
  EXPECT_TRUE(isUsableMacroName(u"Bob's fire", folders_.macroFolder()));
}

TEST_F(MacroLibraryTest, ReloadTakesTheListAndTheOpenMacroFromTheFiles) {
  makeMacro(0, u"Alpha", 1);
  makeMacro(1, u"Bravo", 2);
  MacroLibrary lib = library();
  lib.start();
  ASSERT_TRUE(lib.pick(1));

  // The service rewrote Bravo and listed a third macro.
  MacroDocument changed;
  changed.steps[changed.count++] = delayStep(40);
  changed.loopText = u"3";
  ASSERT_TRUE(SaveMacroFile(changed, folders_.macroFile(u"Bravo")));
  makeMacro(2, u"Charlie", 1);
  lib.reload();
  EXPECT_EQ(lib.document().name, u"Bravo");
  EXPECT_EQ(lib.document().count, 1);
  EXPECT_EQ(lib.document().steps[0], delayStep(40));
  EXPECT_EQ(lib.document().loopText, u"3");
  EXPECT_TRUE(lib.view().looping);
  EXPECT_EQ(lib.list().names(), (std::vector<Text>{u"Alpha", u"Bravo", u"Charlie"}));

  // Bravo left the list: the first macro is opened instead of a stale one.
  put(1, u"");
  lib.reload();
  EXPECT_EQ(lib.document().name, u"Alpha");
  put(0, u"");
  put(2, u"");
  lib.reload();
  EXPECT_FALSE(lib.hasCurrent());
}

TEST_F(MacroLibraryTest, AnEditWhoseSaveFailedIsWrittenLaterAndAnnouncedOnce) {
  makeMacro(2, u"First", 1);
  makeMacro(5, u"Second", 1);
  MacroLibrary lib = library();
  lib.start();
  // A folder where the file should be: no write can land until it goes.
  const std::filesystem::path blocked = folders_.fsMacroFile(u"First");
  std::filesystem::remove(blocked);
  std::filesystem::create_directory(blocked);
  lib.document().steps[lib.document().count++] = keyStep(0x05, true);
  EXPECT_FALSE(lib.saveCurrent(true));
  EXPECT_TRUE(lib.hasLeftOvers());
  EXPECT_TRUE(lib.saveLeftOvers().empty()) << "still blocked: nothing to announce";

  // Another macro opened and saved meanwhile leaves the waiting edit waiting.
  ASSERT_TRUE(lib.pick(1));
  ASSERT_TRUE(lib.saveCurrent(false));
  EXPECT_TRUE(lib.hasLeftOvers());

  std::filesystem::remove(blocked);
  EXPECT_EQ(lib.saveLeftOvers(), std::vector<int>{2}) << "landed: its slot is announced";
  EXPECT_FALSE(lib.hasLeftOvers());
  EXPECT_TRUE(lib.saveLeftOvers().empty()) << "and only once";
  ASSERT_TRUE(lib.pick(0));
  EXPECT_EQ(lib.document().count, 2) << "the file holds the edit";

  // A macro deleted while its edit waits is not brought back by the retry.
  std::filesystem::remove(blocked);
  std::filesystem::create_directory(blocked);
  lib.document().count = 0;
  EXPECT_FALSE(lib.saveCurrent(true));
  std::filesystem::remove(blocked);
  ASSERT_TRUE(lib.deleteMacro(prompts_));
  EXPECT_FALSE(lib.hasLeftOvers());
  EXPECT_FALSE(std::filesystem::exists(blocked));
}

}  // namespace
}  // namespace ko
