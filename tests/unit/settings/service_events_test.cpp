// What the device service's reports do to the records, the file and the window.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include "platform/service_recorder.h"
#include "settings/factory_assignments.h"
#include "settings/service_events.h"
#include "settings/settings_file.h"
#include "unit/settings/fake_profile_strings.h"

namespace ko {
namespace {

using test::FakeProfileStrings;
const Text kPath = u"C:\\Users\\me\\Mouse.ini";

class RecordingView final : public ServiceEventView {
 public:
  void settingsSaved(bool ok) override { events.push_back(ok ? "saved" : "save failed"); }
  void refreshAllPages() override { events.push_back("refresh"); }
  void showPage(int page) override { events.push_back("page " + std::to_string(page)); }
  void openHelpFile() override { events.push_back("help"); }
  std::vector<std::string> events;
};

class ServiceEventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::memset(working.get(), 0, sizeof(SettingsRecord));
    std::memset(buffer.get(), 0, sizeof(SettingsRecord));
    // What the program wrote at start-up, then edited by the service: profile 2 active.
    reloadSettings(*working, *buffer, kPath, kProfileFromFile, ini);
    working->Profile = 2;
    ApplyFactoryDefaults(*working, 2);
    SaveSettings(*working, kPath, ini);
    ini.clearLog();
    service.setSnapshot([this] { return ini.dump(kPath); });
  }
  std::string fileValue(const char16_t* section, const char16_t* key) {
    const Text* v = ini.value(kPath, section, key);
    return v ? toUtf8(*v) : "<absent>";
  }

  FakeProfileStrings ini;
  ServiceRecorder service;
  RecordingView view;
  std::unique_ptr<SettingsRecord> working = std::make_unique<SettingsRecord>();
  std::unique_ptr<SettingsRecord> buffer = std::make_unique<SettingsRecord>();
  ServiceEvents events{*working, *buffer, kPath, view, service, ini};
};

TEST_F(ServiceEventsTest, NewDpiRecordsAreReadIntoTheWorkingRecordOnly) {
  auto device = std::make_unique<SettingsRecord>(*working);
  device->DPI_INFO[4] = DpiInfo{1, 2, 3, 4};
  ini.writeStruct(kPath, u"Setting", u"DPI_INFO5", &device->DPI_INFO[4], sizeof(DpiInfo));
  ini.put(kPath, u"Setting", u"LedColor", u"999");
  ini.clearLog();
  working->LedColor = 7;  // in memory only: must survive
  EXPECT_EQ(events.handle(1224, 0, 0), 0);
  EXPECT_EQ(working->DPI_INFO[4].levelY, 4);
  EXPECT_EQ(working->LedColor, 7);
  EXPECT_TRUE(ini.accesses("write").empty());
  EXPECT_EQ(view.events, std::vector<std::string>{"refresh"});
}

TEST_F(ServiceEventsTest, AStageSwitchOnTheMouseReloadsThenStoresTheStage) {
  ini.put(kPath, u"Setting", u"LeftCount", u"5120");  // counted by the service meanwhile
  EXPECT_EQ(events.handle(1285, 8, 3), 0);
  EXPECT_EQ(working->LeftCount, 5120);
  EXPECT_EQ(working->DPI, 3);
  EXPECT_EQ(working->Profiles[2].DPI, 3);
  EXPECT_EQ(working->Profiles[0].DPI, -1);
  EXPECT_EQ(fileValue(u"Setting", u"DPI"), "3");
  EXPECT_EQ(fileValue(u"GROUP2", u"DPI"), "3");
  EXPECT_EQ(view.events, (std::vector<std::string>{"saved", "refresh"}));
  EXPECT_TRUE(service.messages().empty());  // no message back
}

TEST_F(ServiceEventsTest, AProfileSwitchOnTheMouseIsStored) {
  EXPECT_EQ(events.handle(1285, 9, 4), 0);
  EXPECT_EQ(working->Profile, 4);
  EXPECT_EQ(fileValue(u"Setting", u"Profile"), "4");
  EXPECT_EQ(view.events, (std::vector<std::string>{"saved", "refresh"}));
}

TEST_F(ServiceEventsTest, ReportedIndicesOutOfRangeKeepTheFilesValues) {
  EXPECT_EQ(events.handle(1285, 9, 7), 0);
  EXPECT_EQ(working->Profile, 2);
  EXPECT_EQ(events.handle(1285, 8, 6), 0);
  EXPECT_EQ(events.handle(1285, 8, -1), 0);
  EXPECT_EQ(working->DPI, 1);
  EXPECT_EQ(working->Profiles[2].DPI, 1);
  EXPECT_EQ(fileValue(u"Setting", u"Profile"), "2");
}

TEST_F(ServiceEventsTest, ALightingSwitchOnTheMouseSetsModeAndState) {
  struct Case {
    intptr_t value;
    int32_t mode;
    int32_t on;
  };
  for (const Case c : {Case{1, 3, 1}, Case{2, 4, 1}, Case{4, 2, 1}, Case{16, 2, 0}, Case{0, 1, 1}, Case{5, 1, 1},
                       Case{32, 1, 1}}) {
    working->LedStateOn = 0;
    SaveSettings(*working, kPath, ini);
    EXPECT_EQ(events.handle(1285, 10, c.value), 0);
    EXPECT_EQ(working->LedMode, c.mode) << c.value;
    EXPECT_EQ(working->LedStateOn, c.on) << c.value;
    EXPECT_EQ(fileValue(u"Setting", u"LedMode"), std::to_string(c.mode));
    EXPECT_EQ(fileValue(u"Setting", u"LedStateOn"), std::to_string(c.on));
  }
}

TEST_F(ServiceEventsTest, OtherDeviceChangesOnlyReloadAndRefresh) {
  ini.put(kPath, u"Setting", u"RightCount", u"88");
  working->WheelScrollLines = 9;  // not in the file: the reload replaces it
  EXPECT_EQ(events.handle(1285, 3, 1), 0);
  EXPECT_EQ(working->RightCount, 88);
  EXPECT_EQ(working->WheelScrollLines, 1);
  EXPECT_EQ(view.events, std::vector<std::string>{"refresh"});
}

TEST_F(ServiceEventsTest, FactoryDefaultsRequestChangesTheActiveProfileWithoutSaving) {
  working->Profiles[2].ButtonAssigned[0].FunctionCode = 7;
  working->Profiles[1].ButtonAssigned[0].FunctionCode = 7;
  working->LedColor = 0x00FF00;
  EXPECT_EQ(events.handle(1034, 0, 11), 0);
  EXPECT_EQ(working->Profiles[2].ButtonAssigned[0].FunctionCode, 1);
  EXPECT_EQ(working->Profiles[1].ButtonAssigned[0].FunctionCode, 7);
  EXPECT_EQ(working->LedColor, 255);
  EXPECT_TRUE(ini.accesses("write").empty());
  EXPECT_TRUE(service.messages().empty());
  EXPECT_EQ(view.events, std::vector<std::string>{"refresh"});
}

TEST_F(ServiceEventsTest, ApplyRequestSavesThenTellsTheService) {
  working->LedColor = 4242;
  EXPECT_EQ(events.handle(1034, 0, 12), 0);
  ASSERT_EQ(service.messages().size(), 1u);
  const auto& m = service.messages()[0];
  EXPECT_EQ(m.message, 1279u);
  EXPECT_FALSE(m.posted);
  EXPECT_NE(m.snapshot.find("LedColor=4242"), std::string::npos);
  EXPECT_EQ(view.events, std::vector<std::string>{"saved"});
}

TEST_F(ServiceEventsTest, OtherRequests) {
  EXPECT_EQ(events.handle(1034, 0, 22), 0);
  EXPECT_EQ(view.events, std::vector<std::string>{"help"});
  view.events.clear();
  for (intptr_t ignored : {18, 20}) EXPECT_EQ(events.handle(1034, 0, ignored), 0);
  for (intptr_t unknown : {0, 13, -1, 1000}) EXPECT_EQ(events.handle(1034, 0, unknown), -1);
  EXPECT_TRUE(view.events.empty());
  EXPECT_TRUE(ini.accesses("write").empty());
  EXPECT_TRUE(ini.accesses("read").empty());
}

TEST_F(ServiceEventsTest, RemovalClearsTheReconnectFlagAndDoesNothingElse) {
  events.setReconnectExpected(true);
  EXPECT_EQ(events.handle(1280, 0, 0), 0);
  EXPECT_FALSE(events.reconnectExpected());
  EXPECT_EQ(events.handle(1280, 0, 0), 0);
  EXPECT_FALSE(events.reconnectExpected());
  EXPECT_EQ(events.handle(1282, 1, 2), 0);
  EXPECT_TRUE(view.events.empty());
  EXPECT_TRUE(ini.accesses("read").empty());
  EXPECT_TRUE(ini.accesses("write").empty());
}

TEST_F(ServiceEventsTest, ShowPageRequestAndForeignMessages) {
  EXPECT_EQ(events.handle(1294, 0, 0), 0);
  EXPECT_EQ(view.events, std::vector<std::string>{"page 100005"});
  EXPECT_FALSE(events.handle(1303, 255, 0).has_value());
  EXPECT_FALSE(events.handle(1227, 0, 0).has_value());
}

TEST_F(ServiceEventsTest, AFailedSaveIsReportedToTheView) {
  ini.failWrites = true;
  EXPECT_EQ(events.handle(1285, 9, 1), 0);
  EXPECT_EQ(view.events, (std::vector<std::string>{"save failed", "refresh"}));
}

}  // namespace
}  // namespace ko
