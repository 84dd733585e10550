#include <gtest/gtest.h>

#include <memory>
#include "macro/macro_assignments.h"

namespace ko {
namespace {

MacroList listOf(std::initializer_list<const char16_t*> names) {
  MacroList list;
  for (const char16_t* n : names) list.append(n);
  return list;
}

ButtonAssignment& assign(SettingsRecord& r, int profile, int button, uint8_t code, uint8_t paramB) {
  ButtonAssignment& a = r.Profiles[profile].ButtonAssigned[button];
  a.FunctionCode = code;
  a.ParamB = paramB;
  return a;
}

TEST(MacroAssignmentsTest, ButtonsFollowTheirMacroWhenPositionsMove) {
  auto record = std::make_unique<SettingsRecord>();
  SettingsRecord& r = *record;
  const MacroList before = listOf({u"A", u"B", u"C", u"D"});
  ButtonAssignment& onA = assign(r, 0, 2, function_code::kMacro, 0x40 | 0);
  ButtonAssignment& onB = assign(r, 1, 3, function_code::kMacro, 0x80 | 1);
  ButtonAssignment& onD = assign(r, 4, 10, function_code::kMacro, 0x40 | 3);
  ButtonAssignment& keyOnly = assign(r, 4, 5, 5, 3);  // not a macro: ParamB means something else
  ButtonAssignment& pastTheEnd = assign(r, 2, 0, function_code::kMacro, 9);

  // B is deleted: C and D move up one position.
  EXPECT_TRUE(RemapMacroAssignments(r, before, listOf({u"A", u"C", u"D"})));
  EXPECT_EQ(onA.FunctionCode, function_code::kMacro);
  EXPECT_EQ(onA.ParamB, 0x40);
  EXPECT_EQ(onB.FunctionCode, function_code::kButtonOff) << "its macro is gone";
  EXPECT_EQ(onD.ParamB, 0x40 | 2) << "the play mode bits stay";
  EXPECT_EQ(Text(onD.MacroName), u"D");
  EXPECT_EQ(keyOnly.ParamB, 3);
  EXPECT_EQ(pastTheEnd.ParamB, 9);
  EXPECT_EQ(pastTheEnd.FunctionCode, function_code::kMacro);

  // A new macro takes a free slot before D: D moves down again.
  EXPECT_TRUE(RemapMacroAssignments(r, listOf({u"A", u"C", u"D"}), listOf({u"A", u"New", u"C", u"D"})));
  EXPECT_EQ(onD.ParamB, 0x40 | 3);
  EXPECT_FALSE(RemapMacroAssignments(r, listOf({u"A", u"New", u"C", u"D"}), listOf({u"A", u"New", u"C", u"D"})));
}

TEST(MacroAssignmentsTest, ARenameReachesEveryButtonOfEveryProfileThatPlaysTheMacro) {
  auto record = std::make_unique<SettingsRecord>();
  SettingsRecord& r = *record;
  const MacroList before = listOf({u"A", u"Old", u"C"});
  ButtonAssignment& first = assign(r, 0, 2, function_code::kMacro, 0x40 | 1);
  copyToBuffer(u"Old", first.MacroName, kMacroNameUnits);
  ButtonAssignment& inactiveProfile = assign(r, 4, 10, function_code::kMacro, 0x80 | 1);
  copyToBuffer(u"Old", inactiveProfile.MacroName, kMacroNameUnits);
  ButtonAssignment& other = assign(r, 2, 3, function_code::kMacro, 2);
  copyToBuffer(u"C", other.MacroName, kMacroNameUnits);
  ButtonAssignment& notAMacro = assign(r, 3, 1, 5, 1);

  const std::vector<ButtonOfProfile> changed =
      RenameMacroAssignments(r, before, listOf({u"A", u"New", u"C"}), u"Old", u"New");
  EXPECT_EQ(changed, (std::vector<ButtonOfProfile>{{0, 2}, {4, 10}}));
  EXPECT_EQ(Text(first.MacroName), u"New");
  EXPECT_EQ(Text(inactiveProfile.MacroName), u"New");
  EXPECT_EQ(inactiveProfile.ParamB, 0x80 | 1) << "position and play mode stay";
  EXPECT_EQ(Text(other.MacroName), u"C");
  EXPECT_EQ(notAMacro.ParamB, 1);

  // A rename into a lower free slot moves the position along with the name.
  EXPECT_EQ(RenameMacroAssignments(r, listOf({u"A", u"New", u"C"}), listOf({u"Z", u"A", u"C"}), u"New", u"Z").size(),
            2u);
  EXPECT_EQ(first.ParamB, 0x40 | 0);
  EXPECT_EQ(Text(first.MacroName), u"Z");
}

}  // namespace
}  // namespace ko
