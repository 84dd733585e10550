// Which keys the load and save routines touch, in which order, with which defaults;
// checked on the in-memory backend, which logs every access.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include "settings/factory_assignments.h"
#include "settings/settings_file.h"
#include "unit/settings/fake_profile_strings.h"
#include "unit/settings/settings_key_order.h"
#include "support/key_by_key_settings.h"
#include "support/temp_dir.h"

namespace ko {
namespace {

using test::FakeProfileStrings;
const Text kPath = u"C:\\Users\\me\\Mouse.ini";

std::unique_ptr<SettingsRecord> resetRecord() {
  auto r = std::make_unique<SettingsRecord>();
  std::memset(r.get(), 0, sizeof(SettingsRecord));
  ResetSettings(*r);
  return r;
}

std::vector<std::string> keys(const std::vector<FakeProfileStrings::Access>& accesses) {
  std::vector<std::string> out;
  for (auto& a : accesses) out.push_back(toUtf8(a.section) + "/" + toUtf8(a.key));
  return out;
}

std::vector<std::string> saveOrder() { return test::settingsSaveOrder(); }

// Every key once, the settings in the file's own order, then the profiles' names and
// programs, which the program reads and never writes.
TEST(SettingsFile, ReadsEveryKeyOnce) {
  FakeProfileStrings ini;
  auto r = resetRecord();
  ReadSettingsFile(*r, kPath, kProfileFromFile, ini);
  std::vector<std::string> expected = saveOrder();
  for (const char* section : {"GROUP", "GROUP1", "GROUP2", "GROUP3", "GROUP4"})
    for (const char* k : {"/Name", "/Exe"}) expected.push_back(section + std::string(k));
  EXPECT_EQ(keys(ini.accesses("read")), expected);
  EXPECT_TRUE(ini.accesses("write").empty());
}

TEST(SettingsFile, AbsentKeysTakeTheirLoadDefaultsAndRecordsKeepTheirContents) {
  FakeProfileStrings ini;
  auto r = resetRecord();
  auto before = std::make_unique<SettingsRecord>(*r);
  ReadSettingsFile(*r, kPath, kProfileFromFile, ini);
  EXPECT_EQ(r->Profile, 0);
  EXPECT_EQ(r->LeftCount, 0);
  EXPECT_EQ(r->RightCount, 0);
  for (int32_t v : {r->TrayEnabled, r->MouseButtons, r->PollingRate, r->WheelScrollLines, r->MouseSensitivity,
                    r->DoubleClickSpeed, r->UniversalScrollEnabled, r->AccelerationEnabled, r->Acceleration,
                    r->LedStateOn, r->LedColor, r->DPI, r->LedMode})
    EXPECT_EQ(v, -1);
  EXPECT_EQ(std::memcmp(r->DPI_INFO, before->DPI_INFO, sizeof r->DPI_INFO), 0);
  EXPECT_EQ(std::memcmp(r->LED_MODE_INFO, before->LED_MODE_INFO, sizeof r->LED_MODE_INFO), 0);
  EXPECT_EQ(std::memcmp(r->Profiles, before->Profiles, sizeof r->Profiles), 0);
}

TEST(SettingsFile, ProfileComesFromTheFileOrTheOverride) {
  FakeProfileStrings ini;
  ini.put(kPath, u"Setting", u"Profile", u"7");
  auto r = resetRecord();
  ReadSettingsFile(*r, kPath, kProfileFromFile, ini);
  EXPECT_EQ(r->Profile, 7);  // stored as read; validation repairs it
  auto working = std::make_unique<SettingsRecord>();
  ValidateSettings(*working, *r);
  EXPECT_EQ(working->Profile, 0);

  ini.put(kPath, u"Setting", u"Profile", u"-1");
  ReadSettingsFile(*r, kPath, kProfileFromFile, ini);
  EXPECT_EQ(r->Profile, 0);

  ini.put(kPath, u"Setting", u"Profile", u"3");
  ini.clearLog();
  ReadSettingsFile(*r, kPath, 0, ini);  // an import ignores the file's profile
  EXPECT_EQ(r->Profile, 0);
  EXPECT_EQ(keys(ini.accesses("read")).front(), "Setting/TrayEnabled");
}

TEST(SettingsFile, ReadsProfileTextsCutTo259Units) {
  FakeProfileStrings ini;
  ini.put(kPath, u"GROUP2", u"Name", u"Shooter");
  ini.put(kPath, u"GROUP2", u"Exe", Text(300, u'x'));
  auto r = resetRecord();
  ReadSettingsFile(*r, kPath, kProfileFromFile, ini);
  EXPECT_EQ(Text(r->Profiles[2].Name), u"Shooter");
  EXPECT_EQ(boundedLength(r->Profiles[2].Exe, kProfileTextUnits), 259u);
  EXPECT_EQ(r->Profiles[1].Name[0], 0);
}

TEST(SettingsFile, WritesEveryKeyInSaveOrderAndCreatesThemInThatOrder) {
  FakeProfileStrings ini;
  auto r = resetRecord();
  ASSERT_TRUE(SaveSettings(*r, kPath, ini));
  EXPECT_EQ(keys(ini.accesses("write")), saveOrder());
  // A new file holds exactly the save's keys, in the save's order.
  std::vector<std::string> inFile;
  for (auto& s : ini.file(kPath)->sections)
    for (auto& e : s.entries) inFile.push_back(toUtf8(s.name) + "/" + toUtf8(e.key));
  EXPECT_EQ(inFile, saveOrder());
  EXPECT_EQ(*ini.value(kPath, u"Setting", u"PollingRate"), u"-1");  // nothing validated on the way out
  EXPECT_EQ(ini.value(kPath, u"GROUP", u"Name"), nullptr);
}

TEST(SettingsFile, ASaveKeepsOtherWritersKeysAndSections) {
  FakeProfileStrings ini;
  ini.put(kPath, u"Setting", u"ServiceBuild", u"41");
  ini.put(kPath, u"Setting", u"ProfileName", u"Work");
  ini.put(kPath, u"GROUP", u"Name", u"Desk");
  ini.put(kPath, u"group3", u"Exe", u"game.exe");
  ini.put(kPath, u"MACRO_LIST", u"1", u"Burst");
  auto r = resetRecord();
  r->Profiles[0].Name[0] = u'Z';  // never written: the file's Name stays
  ASSERT_TRUE(SaveSettings(*r, kPath, ini));
  EXPECT_EQ(*ini.value(kPath, u"Setting", u"ServiceBuild"), u"41");
  EXPECT_EQ(*ini.value(kPath, u"Setting", u"ProfileName"), u"Work");
  EXPECT_EQ(*ini.value(kPath, u"GROUP", u"Name"), u"Desk");
  EXPECT_EQ(*ini.value(kPath, u"GROUP3", u"Exe"), u"game.exe");
  EXPECT_EQ(*ini.value(kPath, u"MACRO_LIST", u"1"), u"Burst");
}

TEST(SettingsFile, ProfileSectionsAreGroupAndGroupN) {
  EXPECT_EQ(profileSectionName(0), u"GROUP");
  EXPECT_EQ(profileSectionName(-1), u"GROUP");
  EXPECT_EQ(profileSectionName(3), u"GROUP3");
  EXPECT_EQ(profileSectionName(12), u"GROUP12");
  FakeProfileStrings ini;
  ProfileRecord p{};
  p.DPI = 4;
  ASSERT_TRUE(WriteProfileSection(p, -1, kPath, ini));
  EXPECT_EQ(*ini.value(kPath, u"GROUP", u"DPI"), u"4");
  ASSERT_TRUE(WriteProfileSection(p, 3, kPath, ini));
  EXPECT_EQ(*ini.value(kPath, u"GROUP3", u"DPI"), u"4");
  EXPECT_EQ(ini.file(kPath)->sections.size(), 2u);
}

TEST(SettingsFile, AWholeRecordComesBackByteForByteExceptTheUnwrittenTexts) {
  std::mt19937 random(20240611);
  auto original = std::make_unique<SettingsRecord>();
  auto* bytes = reinterpret_cast<unsigned char*>(original.get());
  for (size_t i = 0; i < sizeof(SettingsRecord); ++i) bytes[i] = static_cast<unsigned char>(random());
  for (auto& p : original->Profiles) {
    std::memset(p.Name, 0, sizeof p.Name);
    std::memset(p.Exe, 0, sizeof p.Exe);
  }
  original->Profile = 2;  // read back as stored, whatever it is; keep it plain for the override rule
  FakeProfileStrings ini;
  ASSERT_TRUE(SaveSettings(*original, kPath, ini));
  auto back = resetRecord();
  ReadSettingsFile(*back, kPath, kProfileFromFile, ini);
  EXPECT_EQ(std::memcmp(back.get(), original.get(), sizeof(SettingsRecord)), 0);
}

TEST(SettingsFile, FailedWritesAreReportedAndEveryKeyIsStillAttempted) {
  FakeProfileStrings ini;
  ini.failWrites = true;
  auto r = resetRecord();
  EXPECT_FALSE(SaveSettings(*r, kPath, ini));
  EXPECT_EQ(ini.accesses("write").size(), saveOrder().size());
  EXPECT_FALSE(LoadSettings(*r, kPath, kProfileFromFile, ini));
  ProfileRecord p{};
  EXPECT_FALSE(WriteProfileSection(p, 1, kPath, ini));
}

// The service's 1224 brings in the six stage records and nothing else.
TEST(SettingsFile, TheStageReloadTakesOnlyTheStageRecords) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  auto r = resetRecord();
  r->DPI_INFO[3] = DpiInfo{1, 9, 4, 12};
  r->LedColor = 5;
  ASSERT_TRUE(SaveSettings(*r, path));
  auto other = resetRecord();
  other->LedColor = 77;
  ASSERT_TRUE(reloadDpiInfos(*other, path));
  EXPECT_EQ(other->DPI_INFO[3].level, 9);
  EXPECT_EQ(other->DPI_INFO[3].levelY, 12);
  EXPECT_EQ(other->LedColor, 77);
  EXPECT_FALSE(reloadDpiInfos(*other, dir.folder())) << "a folder is no file to read";
}

TEST(SettingsFile, DamagedRecordValuesLeaveTheRecordAsItWas) {
  FakeProfileStrings ini;
  auto good = resetRecord();
  ApplyFactoryDefaults(*good, 0);
  ASSERT_TRUE(SaveSettings(*good, kPath, ini));
  const Text valid = *ini.value(kPath, u"GROUP", u"ButtonAssigned1");
  Text wrongSum = valid;
  wrongSum.back() = wrongSum.back() == u'0' ? u'1' : u'0';
  Text nonHex = valid;
  nonHex[10] = u'G';
  ini.put(kPath, u"GROUP", u"ButtonAssigned1", valid.substr(0, valid.size() - 2));
  ini.put(kPath, u"GROUP", u"ButtonAssigned2", wrongSum);
  ini.put(kPath, u"GROUP", u"ButtonAssigned3", nonHex);
  ini.put(kPath, u"GROUP", u"ButtonAssigned4", valid + u"00");
  ini.put(kPath, u"GROUP", u"ButtonAssigned5", u"");

  auto working = std::make_unique<SettingsRecord>();
  auto buffer = std::make_unique<SettingsRecord>();
  reloadSettings(*working, *buffer, kPath, kProfileFromFile, ini);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(buffer->Profiles[0].ButtonAssigned[k].FunctionCode, 255) << k;  // the reset value
    EXPECT_EQ(working->Profiles[0].ButtonAssigned[k].FunctionCode, kFactoryFunctionCodes[k]) << k;
  }
}

}  // namespace
}  // namespace ko
