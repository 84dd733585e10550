#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include "assign/assignment_labels.h"
#include "settings/factory_assignments.h"
#include "settings/settings_file.h"

namespace ko {
namespace {

Text label(TextView key) { return u"<" + Text(key) + u">"; }

class AssignmentLabelsTest : public ::testing::Test {
 protected:
  AssignmentLabelsTest() {
    std::memset(record_.get(), 0, sizeof(SettingsRecord));
    record_->Profile = 2;
    ApplyFactoryDefaults(*record_, 2);
  }
  ButtonAssignment& button(int index) { return record_->Profiles[2].ButtonAssigned[index]; }
  void assignMacro(int index, uint8_t position, TextView storedName) {
    button(index).FunctionCode = 6;
    button(index).ParamB = static_cast<uint8_t>(0x40 | position);
    copyToBuffer(storedName, button(index).MacroName, kMacroNameUnits);
  }
  AssignmentLabels refresh() { return RefreshAssignmentLabels(*record_, macros_, assigned_, label); }
  Text storedName(int index) { return Text(button(index).MacroName); }

  std::unique_ptr<SettingsRecord> record_ = std::make_unique<SettingsRecord>();
  MacroList macros_;
  AssignedMacroNames assigned_;
};

TEST_F(AssignmentLabelsTest, FactoryButtonsShowTheirCataloguedTexts) {
  const AssignmentLabels labels = refresh();
  EXPECT_EQ(labels, (AssignmentLabels{u"<CLICK>", u"<MENU>", u"<MIDDLE>", u"<BUTTON4>", u"<BUTTON5>", u"<DPIUP>",
                                      u"<DPIDOWN>", u"<LEDSWITCH>", u"<HANDSWITCH>"}));
  button(0).FunctionCode = 25;
  button(1).FunctionCode = 36;
  button(2).FunctionCode = 0;
  button(3).FunctionCode = 200;
  button(4).FunctionCode = 96;
  button(5).FunctionCode = 115;
  const AssignmentLabels changed = refresh();
  EXPECT_EQ(changed[0], u"");
  EXPECT_EQ(changed[1], u"");
  EXPECT_EQ(changed[2], u"");
  EXPECT_EQ(changed[3], u"") << "outside the catalogue";
  EXPECT_EQ(changed[4], u"<DPIFUN>");
  EXPECT_EQ(changed[5], u"<SHIFT3>");
}

TEST_F(AssignmentLabelsTest, AKeyAssignmentIsNamedByItsFirstEntrysKey) {
  button(2).FunctionCode = 5;
  button(2).ParamB = 1;
  setKeyEntry(button(2), 0, KeyEntry{0, 0x04});
  button(3).FunctionCode = 5;
  setKeyEntry(button(3), 0, KeyEntry{0, 88});  // keypad Enter
  button(4).FunctionCode = 5;
  button(4).ParamB = 1;  // an entry that carries no usage
  button(5).FunctionCode = 5;
  setKeyEntry(button(5), 0, KeyEntry{0, 0xF0});  // no key has this usage
  const AssignmentLabels labels = refresh();
  EXPECT_EQ(labels[2], u"A");
  EXPECT_EQ(labels[3], u"Enter");
  EXPECT_EQ(labels[4], u"key");
  EXPECT_EQ(labels[5], u"key");
}

TEST_F(AssignmentLabelsTest, AMacroAssignmentShowsTheListsNameAtItsPosition) {
  for (const char16_t* name : {u"Alpha", u"Bravo", u"Charlie"}) macros_.append(name);
  assignMacro(3, 1, u"Stale");
  assignMacro(4, 2, u"Charlie");
  assignMacro(5, 1, u"Bravo");
  const AssignmentLabels labels = refresh();
  EXPECT_EQ(labels[3], u"Bravo");
  EXPECT_EQ(storedName(3), u"Bravo") << "the list wins over the stored name";
  EXPECT_EQ(labels[4], u"Charlie");
  EXPECT_EQ(assigned_.names(), (std::vector<Text>{u"Bravo", u"Charlie"})) << "one entry per macro";
  EXPECT_TRUE(assigned_.contains(u"Charlie"));
  EXPECT_EQ(assigned_.add(u"Bravo"), 0);
}

TEST_F(AssignmentLabelsTest, APositionPastTheListTurnsTheButtonOff) {
  for (const char16_t* name : {u"A", u"B", u"C", u"D", u"E"}) macros_.append(name);
  assignMacro(6, 5, u"F");
  assignMacro(7, 4, u"E");
  const AssignmentLabels labels = refresh();
  EXPECT_EQ(labels[6], u"<OFFBUTTON>");
  EXPECT_EQ(button(6).FunctionCode, 7);
  EXPECT_EQ(labels[7], u"E");
  EXPECT_EQ(assigned_.names(), (std::vector<Text>{u"E"})) << "a button turned off plays no macro";
  EXPECT_EQ(refresh()[6], u"<OFFBUTTON>");
}

TEST_F(AssignmentLabelsTest, WithNoMacrosTheButtonKeepsItsMacroAndShowsTheMacroText) {
  assignMacro(1, 3, u"Kept");
  EXPECT_EQ(refresh()[1], u"<MACROCOMMAND>");
  EXPECT_EQ(button(1).FunctionCode, 6);
  EXPECT_EQ(assigned_.names(), (std::vector<Text>{u"Kept"}));
}

TEST_F(AssignmentLabelsTest, OnlyTheActiveProfileAndButtonsOneToNineAreLabelled) {
  macros_.append(u"Only");
  assignMacro(9, 3, u"Ten");  // button 10: stored, never shown or repaired here
  record_->Profiles[0].ButtonAssigned[0].FunctionCode = 6;
  refresh();
  EXPECT_EQ(button(9).FunctionCode, 6);
  EXPECT_EQ(record_->Profiles[0].ButtonAssigned[0].FunctionCode, 6);
  EXPECT_EQ(assigned_.size(), 0u);
}

TEST_F(AssignmentLabelsTest, ALeftClickMustRemainOnAnotherButton) {
  EXPECT_FALSE(HasOtherLeftClick(*record_, 0)) << "button 1 holds the only left click";
  EXPECT_TRUE(HasOtherLeftClick(*record_, 4));
  button(10).FunctionCode = 1;  // button 11 counts though it has no label
  EXPECT_TRUE(HasOtherLeftClick(*record_, 0));
  button(0).FunctionCode = 3;
  button(10).FunctionCode = 0;
  for (int b = 0; b < kButtonCount; ++b) EXPECT_FALSE(HasOtherLeftClick(*record_, b)) << b;
  record_->Profiles[0].ButtonAssigned[3].FunctionCode = 1;  // another profile's click does not count
  EXPECT_FALSE(HasOtherLeftClick(*record_, 0));
}

}  // namespace
}  // namespace ko
