#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "assign/assignment_choice.h"
#include "macro/macro_paths.h"
#include "settings/factory_assignments.h"
#include "settings/settings_file.h"
#include "support/store_on_disk.h"
#include "unit/settings/fake_profile_strings.h"

namespace ko {
namespace {

uint32_t choice(int top, int sub = 0) { return static_cast<uint32_t>(top) << 16 | static_cast<uint32_t>(sub); }

const Text kMacroFolder = u"C:\\Users\\u\\Macro\\";

// Plays the window: answers the dialogs as told and writes down what was asked of it.
class RecordingHost final : public AssignmentChoiceHost {
 public:
  RecordingHost() {
    std::memset(record, 0, sizeof(SettingsRecord));
    record->Profile = 2;
    ApplyFactoryDefaults(*record, 2);
    for (auto& profile : record->Profiles)
      for (int b = 0; b < kButtonCount; ++b) profile.ButtonAssigned[b].ButtonNumber = static_cast<uint8_t>(b + 1);
  }

  SettingsStore& settings() override { return disk.store; }
  const MacroList& macroList() override { return macros; }
  const AssignedMacroNames& assignedMacros() override { return assigned; }
  Text macroFolder() override { return kMacroFolder; }

  bool runKeyCapture(int button) override {
    log.push_back("key " + std::to_string(button));
    if (whileDialogRuns) whileDialogRuns();
    if (keyCaptureOk) setKeyEntry(button_(button), 0, KeyEntry{0, 0x04});
    return keyCaptureOk;
  }
  bool runRapidFire(int button) override {
    log.push_back("rapid " + std::to_string(button));
    return dialogOk;
  }
  bool runXShoot(int button) override {
    log.push_back("xshoot " + std::to_string(button));
    return dialogOk;
  }
  std::optional<int> runDpiShift(int button) override {
    log.push_back("dpishift " + std::to_string(button));
    if (!dialogOk) return std::nullopt;
    return dpiShift;
  }
  std::optional<MacroChoice> runMacroChooser(const MacroChoice& initial) override {
    log.push_back("chooser");
    chooserOpenedWith = initial;
    if (whileDialogRuns) whileDialogRuns();
    return chooserAnswer;
  }
  void warnLastLeftClick() override { log.push_back("WARN3"); }
  void showMacroPage() override { log.push_back("macro page"); }
  void refreshLabels() override {
    log.push_back("refresh");
    RefreshAssignmentLabels(*record, macros, assigned, [](TextView k) { return Text(k); });
  }
  // What reached the service, which hears of a change only once the file holds it.
  void logNotices() {
    for (const ReceivedServiceMessage& m : disk.service.messages())
      log.push_back("save+" + std::to_string(m.message) + "(" + std::to_string(m.wParam) + "," +
                    std::to_string(m.lParam) + ")");
    disk.service.clear();
  }

  ButtonAssignment& button_(int b) { return record->Profiles[2].ButtonAssigned[b]; }
  void addMacros(int count) {
    for (int i = 0; i < count; ++i) macros.append(u"m" + u16(std::to_string(i)));
  }

  test::StoreOnDisk disk;
  SettingsRecord* record = &disk.working;
  MacroList macros;
  AssignedMacroNames assigned;
  bool keyCaptureOk = true;
  bool dialogOk = true;
  int dpiShift = 3;
  std::optional<MacroChoice> chooserAnswer;
  MacroChoice chooserOpenedWith;
  std::vector<std::string> log;
  // What the service's messages do while the dialog is open.
  std::function<void()> whileDialogRuns;
};

class AssignmentChoiceTest : public ::testing::Test {
 protected:
  ChoiceOutcome apply(int button, uint32_t report) {
    const ChoiceOutcome outcome = ApplyAssignmentChoice(host_, button, report, strings_);
    host_.logNotices();
    return outcome;
  }
  ButtonAssignment& button(int b) { return host_.button_(b); }
  using Log = std::vector<std::string>;
  // What every completed choice on button b of profile index 2 ends with.
  static Log completed(int b) { return {"refresh", "save+1299(2," + std::to_string(b) + ")"}; }

  RecordingHost host_;
  test::FakeProfileStrings strings_;
};

TEST_F(AssignmentChoiceTest, ThePlainItemsStoreTheirCodeAndEndWithSaveAndNotice) {
  button(5).ParamA = 9;
  EXPECT_EQ(apply(5, choice(4)), ChoiceOutcome::Changed);
  EXPECT_EQ(button(5).FunctionCode, 4);
  EXPECT_EQ(button(5).ParamA, 9) << "no other byte changes";
  EXPECT_EQ(host_.log, completed(5));

  host_.log.clear();
  EXPECT_EQ(apply(3, choice(19, 37)), ChoiceOutcome::Changed);
  EXPECT_EQ(button(3).FunctionCode, 37);
  EXPECT_EQ(apply(8, choice(15, 117)), ChoiceOutcome::Changed);
  EXPECT_EQ(button(8).FunctionCode, 117);
  EXPECT_EQ(apply(10, choice(7)), ChoiceOutcome::Changed) << "buttons 10 and 11 are records too";
  EXPECT_EQ(button(10).FunctionCode, 7);
}

TEST_F(AssignmentChoiceTest, TheOnlyLeftClickStaysWhereItIs) {
  EXPECT_EQ(apply(0, choice(3)), ChoiceOutcome::Refused);
  EXPECT_EQ(host_.log, (Log{"WARN3"})) << "no save, no notice";
  EXPECT_EQ(button(0).FunctionCode, 1);

  host_.log.clear();
  EXPECT_EQ(apply(0, choice(1)), ChoiceOutcome::KeptLeftClick);
  EXPECT_EQ(apply(0, choice(8, 5)), ChoiceOutcome::Refused) << "no dialog opens before the refusal";
  EXPECT_EQ(host_.log, (Log{"WARN3"}));
}

TEST_F(AssignmentChoiceTest, WithTwoLeftClicksEitherMayChange) {
  button(2).FunctionCode = 1;
  EXPECT_EQ(apply(0, choice(18, 66)), ChoiceOutcome::Changed);
  EXPECT_EQ(button(0).FunctionCode, 66);
  // Now button 3 is the last one.
  EXPECT_EQ(apply(2, choice(2)), ChoiceOutcome::Refused);
  EXPECT_EQ(button(2).FunctionCode, 1);
}

TEST_F(AssignmentChoiceTest, AProfileWithoutALeftClickTakesOneBackAndRefusesTheRest) {
  button(0).FunctionCode = 2;
  EXPECT_EQ(apply(4, choice(3)), ChoiceOutcome::Refused);
  EXPECT_EQ(apply(4, choice(6)), ChoiceOutcome::Refused);
  EXPECT_EQ(host_.log, (Log{"WARN3", "WARN3"}));

  host_.log.clear();
  EXPECT_EQ(apply(4, choice(1)), ChoiceOutcome::Changed);
  EXPECT_EQ(button(4).FunctionCode, 1);
  EXPECT_EQ(host_.log, completed(4));
  EXPECT_EQ(apply(4, choice(1)), ChoiceOutcome::KeptLeftClick) << "now it is the last left click";
  EXPECT_EQ(apply(0, choice(3)), ChoiceOutcome::Changed) << "the others are free again";
}

TEST_F(AssignmentChoiceTest, ReportsTheMenuCannotMakeAndButtonsOutOfRangeDoNothing) {
  EXPECT_EQ(apply(-1, choice(3)), ChoiceOutcome::Ignored);
  EXPECT_EQ(apply(11, choice(3)), ChoiceOutcome::Ignored);
  EXPECT_EQ(apply(1, choice(8)), ChoiceOutcome::Ignored) << "would store code 0";
  EXPECT_EQ(apply(1, choice(15, 115)), ChoiceOutcome::Ignored) << "the active profile's own shift";
  EXPECT_EQ(apply(1, choice(96)), ChoiceOutcome::Ignored);
  EXPECT_TRUE(host_.log.empty());
  EXPECT_EQ(button(1).FunctionCode, 2);
}

TEST_F(AssignmentChoiceTest, DpiShiftUnderAdvancedOpensItsDialogButTheShiftMenuSwitchesProfiles) {
  EXPECT_EQ(apply(6, choice(8, 15)), ChoiceOutcome::Changed);
  EXPECT_EQ(button(6).FunctionCode, 15);
  EXPECT_EQ(button(6).ParamA, 3);
  EXPECT_EQ(host_.log, (Log{"dpishift 6", "refresh", "save+1299(2,6)"}));

  host_.log.clear();
  EXPECT_EQ(apply(6, choice(15, 113)), ChoiceOutcome::Changed);
  EXPECT_EQ(button(6).FunctionCode, 113);
  EXPECT_EQ(host_.log, completed(6)) << "no dialog for a profile switch";

  host_.dpiShift = 9;
  apply(6, choice(8, 15));
  EXPECT_EQ(button(6).ParamA, 4) << "held within the dialog's 1..4";
}

TEST_F(AssignmentChoiceTest, CancelledDialogsChangeNothingButStillSaveAndNotify) {
  host_.keyCaptureOk = false;
  button(3).FunctionCode = 10;
  const ButtonAssignment before = button(3);
  EXPECT_EQ(apply(3, choice(8, 5)), ChoiceOutcome::Cancelled);
  EXPECT_EQ(std::memcmp(&before, &button(3), sizeof before), 0);
  EXPECT_EQ(host_.log, (Log{"key 3", "refresh", "save+1299(2,3)"}));

  host_.dialogOk = false;
  host_.log.clear();
  apply(3, choice(8, 101));
  apply(3, choice(8, 9));
  apply(3, choice(8, 15));
  EXPECT_EQ(button(3).FunctionCode, 10);
  EXPECT_EQ(host_.log, (Log{"rapid 3", "refresh", "save+1299(2,3)", "xshoot 3", "refresh", "save+1299(2,3)",
                            "dpishift 3", "refresh", "save+1299(2,3)"}));
}

TEST_F(AssignmentChoiceTest, ConfirmedDialogsStoreTheirCodeOverTheBytesTheyWrote) {
  EXPECT_EQ(apply(3, choice(8, 5)), ChoiceOutcome::Changed);
  EXPECT_EQ(button(3).FunctionCode, 5);
  EXPECT_EQ(keyEntryAt(button(3), 0).Usage, 0x04);
  apply(4, choice(8, 101));
  EXPECT_EQ(button(4).FunctionCode, 101);
  apply(5, choice(8, 9));
  EXPECT_EQ(button(5).FunctionCode, 9);
}

TEST_F(AssignmentChoiceTest, NoMacroYetSendsTheUserToTheMacroPage) {
  EXPECT_EQ(apply(3, choice(6)), ChoiceOutcome::SentToMacros);
  EXPECT_EQ(host_.log, (Log{"macro page"}));
  EXPECT_EQ(button(3).FunctionCode, 10);
}

TEST_F(AssignmentChoiceTest, AChosenMacroStoresPositionRunModeLoopAndButtonNumber) {
  host_.addMacros(3);
  strings_.put(macroFilePath(kMacroFolder, u"m2"), u"Setting", u"LoopTime", u"5");
  host_.chooserAnswer = MacroChoice{u"m2", 2, 0};
  EXPECT_EQ(apply(3, choice(6)), ChoiceOutcome::Changed);
  EXPECT_EQ(button(3).FunctionCode, 6);
  EXPECT_EQ(button(3).ParamB, 0x42);
  EXPECT_EQ(button(3).ParamA, 5);
  EXPECT_EQ(button(3).ButtonNumber, 4);
  EXPECT_EQ(Text(button(3).MacroName), u"m2") << "the label refresh writes the name";
  EXPECT_EQ(host_.log, (Log{"chooser", "refresh", "save+1299(2,3)"}));

  host_.chooserAnswer = MacroChoice{u"m1", 1, 1};
  apply(3, choice(6));
  EXPECT_EQ(host_.chooserOpenedWith.position, 2) << "opens on the macro the button plays";
  EXPECT_EQ(host_.chooserOpenedWith.name, u"m2");
  EXPECT_EQ(button(3).ParamB, 0x41);
  EXPECT_EQ(button(3).ButtonNumber, 255);
  EXPECT_EQ(button(3).ParamA, 1) << "no file: one loop";

  host_.chooserAnswer = MacroChoice{u"m0", 0, 2};
  apply(3, choice(6));
  EXPECT_EQ(host_.chooserOpenedWith.runMode, 1);
  EXPECT_EQ(button(3).ParamB, 0x80);
  EXPECT_EQ(button(3).ButtonNumber, 4);
  apply(3, choice(6));
  EXPECT_EQ(host_.chooserOpenedWith.runMode, 2);
}

TEST_F(AssignmentChoiceTest, ALoopCountOutsideAByteIsHeldNotWrapped) {
  host_.addMacros(2);
  strings_.put(macroFilePath(kMacroFolder, u"m0"), u"Setting", u"LoopTime", u"300");
  strings_.put(macroFilePath(kMacroFolder, u"m1"), u"Setting", u"LoopTime", u"-4");
  host_.chooserAnswer = MacroChoice{u"m0", 0, 0};
  apply(3, choice(6));
  EXPECT_EQ(button(3).ParamA, 255);
  host_.chooserAnswer = MacroChoice{u"m1", 1, 0};
  apply(3, choice(6));
  EXPECT_EQ(button(3).ParamA, 0);
}

TEST_F(AssignmentChoiceTest, AListedNameThatIsAPathReadsNoLoopCountOutsideTheMacroFolder) {
  host_.macros.append(u"..\\outside");
  strings_.put(macroFilePath(kMacroFolder, u"..\\outside"), u"Setting", u"LoopTime", u"7");
  host_.chooserAnswer = MacroChoice{u"..\\outside", 0, 0};
  EXPECT_EQ(apply(3, choice(6)), ChoiceOutcome::Changed);
  EXPECT_EQ(button(3).ParamA, 1) << "the default, not the file the path reaches";
}

TEST_F(AssignmentChoiceTest, CancelledOrEmptyChooserChangesNothingButSaves) {
  host_.addMacros(2);
  EXPECT_EQ(apply(3, choice(6)), ChoiceOutcome::Cancelled);
  EXPECT_EQ(host_.chooserOpenedWith.position, 0) << "a button without a macro opens on the first";
  EXPECT_EQ(host_.chooserOpenedWith.name, u"m0");
  host_.chooserAnswer = MacroChoice{u"", -1, 0};
  EXPECT_EQ(apply(3, choice(6)), ChoiceOutcome::Cancelled);
  EXPECT_EQ(button(3).FunctionCode, 10);
  EXPECT_EQ(host_.log, (Log{"chooser", "refresh", "save+1299(2,3)", "chooser", "refresh", "save+1299(2,3)"}));
}

TEST_F(AssignmentChoiceTest, SevenDifferentMacrosPerProfileAtMost) {
  host_.addMacros(9);
  button(0).FunctionCode = 1;
  button(8).FunctionCode = 1;
  for (int b = 1; b <= 7; ++b) {
    host_.chooserAnswer = MacroChoice{u"", b - 1, 0};
    ASSERT_EQ(apply(b, choice(6)), ChoiceOutcome::Changed) << b;
  }
  ASSERT_EQ(host_.assigned.size(), 7u);

  host_.log.clear();
  host_.chooserAnswer = MacroChoice{u"m7", 7, 0};
  EXPECT_EQ(apply(0, choice(6)), ChoiceOutcome::MacroLimit);
  EXPECT_EQ(host_.log, (Log{"chooser"})) << "refused silently, nothing saved";
  EXPECT_EQ(button(0).FunctionCode, 1);

  host_.chooserAnswer = MacroChoice{u"m3", 3, 0};
  EXPECT_EQ(apply(0, choice(6)), ChoiceOutcome::Changed) << "a macro already playing is no new one";
  host_.chooserAnswer = MacroChoice{u"m8", 8, 0};
  EXPECT_EQ(apply(1, choice(6)), ChoiceOutcome::Changed) << "a macro button may change its macro";
  EXPECT_EQ(Text(button(1).MacroName), u"m8");
}

}  // namespace
}  // namespace ko

namespace ko {
namespace {

// The service switches the profile (and reloads the record) while the key capture dialog
// of profile index 2 is open: the dialog's bytes and the function code both land in
// profile 2, on top of what the reload brought, and 1299 names profile 2.
TEST_F(AssignmentChoiceTest, ADialogsResultLandsInTheProfileTheChoiceBeganIn) {
  host_.whileDialogRuns = [&] {
    host_.record->Profile = 4;
    host_.record->Profiles[2].ButtonAssigned[7].FunctionCode = 25;  // the file's, after the reload
    host_.record->Profiles[2].ButtonAssigned[3].FunctionCode = 13;
  };
  EXPECT_EQ(apply(3, choice(8, 5)), ChoiceOutcome::Changed);
  EXPECT_EQ(button(3).FunctionCode, 5);
  EXPECT_EQ(keyEntryAt(button(3), 0).Usage, 0x04);
  EXPECT_EQ(button(7).FunctionCode, 25) << "what the service wrote meanwhile stays";
  EXPECT_NE(host_.record->Profiles[4].ButtonAssigned[3].FunctionCode, 5) << "nothing lands in the new profile";
  EXPECT_EQ(host_.record->Profile, 4);
  EXPECT_EQ(host_.log.back(), "save+1299(2,3)");
}

// The same with the macro chooser: the label refresh after it covers the new active
// profile only, so the chosen macro's name is stored with the choice itself.
TEST_F(AssignmentChoiceTest, AMacroChosenWhileTheProfileChangedKeepsItsName) {
  host_.addMacros(3);
  host_.chooserAnswer = MacroChoice{u"m1", 1, 0};
  host_.whileDialogRuns = [&] { host_.record->Profile = 4; };
  EXPECT_EQ(apply(3, choice(6)), ChoiceOutcome::Changed);
  EXPECT_EQ(button(3).FunctionCode, 6);
  EXPECT_EQ(Text(button(3).MacroName), u"m1");
  EXPECT_EQ(host_.log.back(), "save+1299(2,3)");
}

}  // namespace
}  // namespace ko
