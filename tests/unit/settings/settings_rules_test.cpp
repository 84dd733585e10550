// Reset, validation and factory defaults: the rules that need no file.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include "settings/factory_assignments.h"
#include "settings/settings_file.h"

namespace ko {
namespace {

std::unique_ptr<SettingsRecord> filledRecord(unsigned char byte) {
  auto r = std::make_unique<SettingsRecord>();
  std::memset(r.get(), byte, sizeof(SettingsRecord));
  return r;
}

bool allBytes(const void* p, size_t n, unsigned char v) {
  auto* b = static_cast<const unsigned char*>(p);
  for (size_t i = 0; i < n; ++i)
    if (b[i] != v) return false;
  return true;
}

TEST(ResetSettings, MarksEverythingUnsetButLeavesCountersButtonsAndMode) {
  auto r = filledRecord(0x5A);
  ResetSettings(*r);
  const int32_t untouched = 0x5A5A5A5A;
  EXPECT_EQ(r->LeftCount, untouched);
  EXPECT_EQ(r->RightCount, untouched);
  EXPECT_EQ(r->MouseButtons, untouched);
  EXPECT_EQ(r->LedMode, untouched);
  for (int32_t v : {r->Profile, r->TrayEnabled, r->UniversalScrollEnabled, r->MouseSensitivity,
                    r->AccelerationEnabled, r->LedStateOn, r->LedColor, r->DPI, r->PollingRate,
                    r->DoubleClickSpeed, r->WheelScrollLines, r->Acceleration})
    EXPECT_EQ(v, -1);
  EXPECT_TRUE(allBytes(r->DPI_INFO, sizeof r->DPI_INFO, 0xFF));
  EXPECT_TRUE(allBytes(r->LED_MODE_INFO, sizeof r->LED_MODE_INFO, 0xFF));
  for (const auto& p : r->Profiles) {
    EXPECT_EQ(p.DPI, -1);
    EXPECT_EQ(p.Name[0], 0);
    EXPECT_EQ(p.Exe[0], 0);
    EXPECT_TRUE(allBytes(p.Name, sizeof p.Name + sizeof p.Exe, 0));
    for (int k = 0; k < kButtonCount; ++k) {
      const ButtonAssignment& a = p.ButtonAssigned[k];
      EXPECT_EQ(a.ButtonNumber, k + 1);
      EXPECT_EQ(a.FunctionCode, 255);
      EXPECT_EQ(a.ParamA, 1);
      EXPECT_EQ(a.ParamB, 0);
      EXPECT_TRUE(allBytes(a.ParamData, sizeof a.ParamData + sizeof a.MacroName, 0));
    }
  }
}

struct ScalarRepair {
  int32_t SettingsRecord::*field;
  int32_t stored;
  int32_t validated;
};

TEST(ValidateSettings, RepairsOnlyImpossibleScalars) {
  const ScalarRepair cases[] = {
      {&SettingsRecord::Profile, 7, 0},        {&SettingsRecord::Profile, -1, 0},
      {&SettingsRecord::Profile, 4, 4},        {&SettingsRecord::Profile, 0, 0},
      {&SettingsRecord::MouseButtons, 0, 11},  {&SettingsRecord::MouseButtons, 12, 11},
      {&SettingsRecord::MouseButtons, -1, 11}, {&SettingsRecord::MouseButtons, 5, 5},
      {&SettingsRecord::MouseButtons, 1, 1},   {&SettingsRecord::TrayEnabled, 2, 1},
      {&SettingsRecord::TrayEnabled, -1, 1},   {&SettingsRecord::TrayEnabled, 0, 0},
      {&SettingsRecord::PollingRate, 0, 2},    {&SettingsRecord::PollingRate, 9, 2},
      {&SettingsRecord::PollingRate, -1, 2},   {&SettingsRecord::PollingRate, 3, 3},
      {&SettingsRecord::PollingRate, 7, 7},    {&SettingsRecord::PollingRate, 1, 1},
      {&SettingsRecord::PollingRate, 8, 8},
  };
  for (const auto& c : cases) {
    auto source = std::make_unique<SettingsRecord>();
    ResetSettings(*source);
    source->Profile = 0;
    source->MouseButtons = 11;
    source->TrayEnabled = 1;
    source->PollingRate = 2;
    (*source).*(c.field) = c.stored;
    auto out = filledRecord(0xEE);
    ValidateSettings(*out, *source);
    EXPECT_EQ((*out).*(c.field), c.validated) << "stored " << c.stored;
  }
}

TEST(ValidateSettings, LeavesDpiLightingAndPointerValuesAsRead) {
  auto source = filledRecord(0);
  ResetSettings(*source);
  source->LedMode = 9;
  source->DoubleClickSpeed = 400;
  source->DPI_INFO[2] = DpiInfo{5, 77, -3, 0};
  auto out = std::make_unique<SettingsRecord>();
  ValidateSettings(*out, *source);
  EXPECT_EQ(out->DPI, -1);
  EXPECT_EQ(out->LedMode, 9);
  EXPECT_EQ(out->DoubleClickSpeed, 400);
  EXPECT_EQ(out->DPI_INFO[2].level, 77);
  EXPECT_EQ(out->LED_MODE_INFO[0].level, -1);
  EXPECT_EQ(out->Profiles[3].DPI, -1);
}

TEST(ValidateSettings, ReplacesUnknownCodesByTheFactoryAssignmentKeepingNumberAndMacroName) {
  auto source = filledRecord(0);
  ResetSettings(*source);  // every code 255: all replaced
  ButtonAssignment& dpiFun = source->Profiles[1].ButtonAssigned[1];
  dpiFun.ButtonNumber = 200;
  dpiFun.FunctionCode = 96;  // has a label, yet is not kept
  dpiFun.ParamA = 7;
  dpiFun.ParamB = 9;
  std::memset(dpiFun.ParamData, 0xAB, sizeof dpiFun.ParamData);
  copyToBuffer(u"Combo", dpiFun.MacroName, kMacroNameUnits);

  ButtonAssignment& rapid = source->Profiles[4].ButtonAssigned[3];
  rapid.FunctionCode = 101;
  rapid.ParamA = 0;
  rapid.ParamB = 44;
  rapid.ParamData[1] = 150;
  source->Profiles[4].ButtonAssigned[5].FunctionCode = 25;  // no label, but kept
  source->Profiles[4].ButtonAssigned[6].FunctionCode = 36;

  auto out = std::make_unique<SettingsRecord>();
  ValidateSettings(*out, *source);

  const ButtonAssignment& repaired = out->Profiles[1].ButtonAssigned[1];
  EXPECT_EQ(repaired.ButtonNumber, 200);
  EXPECT_EQ(repaired.FunctionCode, 2);
  EXPECT_EQ(repaired.ParamA, 1);
  EXPECT_EQ(repaired.ParamB, 0);
  EXPECT_TRUE(allBytes(repaired.ParamData, sizeof repaired.ParamData, 0));
  EXPECT_EQ(Text(repaired.MacroName), u"Combo");

  const ButtonAssignment& kept = out->Profiles[4].ButtonAssigned[3];
  EXPECT_EQ(std::memcmp(&kept, &rapid, sizeof kept), 0);
  EXPECT_EQ(out->Profiles[4].ButtonAssigned[5].FunctionCode, 25);
  EXPECT_EQ(out->Profiles[4].ButtonAssigned[6].FunctionCode, 36);

  for (const auto& p : {0, 2, 3})
    for (int k = 0; k < kButtonCount; ++k) {
      EXPECT_EQ(out->Profiles[p].ButtonAssigned[k].FunctionCode, kFactoryFunctionCodes[k]);
      EXPECT_EQ(out->Profiles[p].ButtonAssigned[k].ButtonNumber, k + 1);
    }
}

TEST(ValidateSettings, CodesOutsideTheStorableSetAreReplaced) {
  for (int code : {0, 8, 16, 18, 20, 22, 40, 96, 97, 102, 112, 118, 255}) {
    ProfileRecord p{};
    p.ButtonAssigned[4].FunctionCode = static_cast<uint8_t>(code);
    RepairProfileAssignments(p);
    EXPECT_EQ(p.ButtonAssigned[4].FunctionCode, 11) << code;
  }
  for (int code : {1, 5, 6, 9, 15, 21, 39, 85, 99, 113, 117}) {
    ProfileRecord p{};
    p.ButtonAssigned[4].FunctionCode = static_cast<uint8_t>(code);
    p.ButtonAssigned[4].ParamA = 42;
    RepairProfileAssignments(p);
    EXPECT_EQ(p.ButtonAssigned[4].FunctionCode, code);
    EXPECT_EQ(p.ButtonAssigned[4].ParamA, 42);
  }
}

TEST(ValidateSettings, WorksInPlace) {
  auto r = filledRecord(0);
  ResetSettings(*r);
  r->LeftCount = 31;
  ValidateSettings(*r, *r);
  EXPECT_EQ(r->LeftCount, 31);
  EXPECT_EQ(r->Profile, 0);
  EXPECT_EQ(r->Profiles[0].ButtonAssigned[0].FunctionCode, 1);
}

TEST(ApplyFactoryDefaults, SetsDeviceValuesAndOneProfile) {
  auto r = filledRecord(0);
  ResetSettings(*r);
  r->Profile = 3;
  r->TrayEnabled = 0;
  r->MouseButtons = 7;
  r->LeftCount = 123;
  copyToBuffer(u"Games", r->Profiles[2].Name, kProfileTextUnits);
  r->Profiles[2].ButtonAssigned[5].ButtonNumber = 255;
  copyToBuffer(u"Burst", r->Profiles[2].ButtonAssigned[5].MacroName, kMacroNameUnits);
  ApplyFactoryDefaults(*r, 2);

  EXPECT_EQ(r->DPI, 1);
  EXPECT_EQ(r->PollingRate, 2);
  EXPECT_EQ(r->LedStateOn, 1);
  EXPECT_EQ(r->LedColor, 255);
  EXPECT_EQ(r->LedMode, 3);
  EXPECT_EQ(r->DoubleClickSpeed, 12);
  EXPECT_EQ(r->WheelScrollLines, 1);
  EXPECT_EQ(r->Acceleration, 1);
  EXPECT_EQ(r->AccelerationEnabled, 0);
  EXPECT_EQ(r->MouseSensitivity, 5);
  EXPECT_EQ(r->UniversalScrollEnabled, 0);
  const int32_t levels[] = {3, 5, 7, 8, 10, 12};
  const int32_t directions[] = {0, 1, 0, 0, 3, 0};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(r->DPI_INFO[i].separate, 0);
    EXPECT_EQ(r->DPI_INFO[i].level, levels[i]);
    EXPECT_EQ(r->DPI_INFO[i].levelX, levels[i]);
    EXPECT_EQ(r->DPI_INFO[i].levelY, levels[i]);
    EXPECT_EQ(r->LED_MODE_INFO[i].direction, directions[i]);
    EXPECT_EQ(r->LED_MODE_INFO[i].level, 4);
    EXPECT_EQ(r->LED_MODE_INFO[i].effectParam, 9);
  }
  EXPECT_EQ(r->Profiles[2].DPI, 1);
  for (int k = 0; k < kButtonCount; ++k) {
    const ButtonAssignment& a = r->Profiles[2].ButtonAssigned[k];
    EXPECT_EQ(a.FunctionCode, kFactoryFunctionCodes[k]);
    EXPECT_EQ(a.ParamA, 1);
    EXPECT_EQ(a.ParamB, 0);
  }
  EXPECT_EQ(r->Profiles[2].ButtonAssigned[5].ButtonNumber, 255);
  EXPECT_EQ(Text(r->Profiles[2].ButtonAssigned[5].MacroName), u"Burst");
  EXPECT_EQ(Text(r->Profiles[2].Name), u"Games");
  // What the defaults do not own stays.
  EXPECT_EQ(r->Profile, 3);
  EXPECT_EQ(r->TrayEnabled, 0);
  EXPECT_EQ(r->MouseButtons, 7);
  EXPECT_EQ(r->LeftCount, 123);
  EXPECT_EQ(r->Profiles[1].DPI, -1);
  EXPECT_EQ(r->Profiles[1].ButtonAssigned[0].FunctionCode, 255);
}

TEST(ApplyFactoryDefaults, AProfileIndexOutOfRangeTouchesNoProfile) {
  for (int index : {-1, 5, 1000}) {
    auto r = filledRecord(0);
    ResetSettings(*r);
    auto before = std::make_unique<SettingsRecord>(*r);
    ApplyFactoryDefaults(*r, index);
    EXPECT_EQ(r->PollingRate, 2);
    EXPECT_EQ(std::memcmp(r->Profiles, before->Profiles, sizeof r->Profiles), 0);
  }
}

TEST(ActiveProfile, FallsBackToTheFirstForADamagedIndex) {
  auto r = filledRecord(0);
  r->Profile = 3;
  EXPECT_EQ(&activeProfile(*r), &r->Profiles[3]);
  for (int32_t bad : {-1, 5, 0x7FFFFFFF}) {
    r->Profile = bad;
    EXPECT_EQ(&activeProfile(*r), &r->Profiles[0]);
  }
}

}  // namespace
}  // namespace ko
