// What the device service's reports do to the records, the file and the window.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include "platform/service_recorder.h"
#include "settings/factory_assignments.h"
#include "settings/service_events.h"
#include "settings/settings_file.h"
#include "support/store_on_disk.h"

namespace ko {
namespace {


class RecordingView final : public ServiceEventView {
 public:
  void refreshAllPages() override { events.push_back("refresh"); }
  void showPage(int page) override { events.push_back("page " + std::to_string(page)); }
  void openHelpFile() override { events.push_back("help"); }
  std::vector<std::string> events;
};

class ServiceEventsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // What the program wrote at start-up, then edited by the service: profile 2 active.
    disk.store.reload(ReloadWhen::Starting);
    working->Profile = 2;
    ApplyFactoryDefaults(*working, 2);
    ASSERT_TRUE(disk.store.save());
    disk.saves = 0;
  }
  std::string fileValue(const char16_t* section, const char16_t* key) { return disk.value(section, key); }
  // Writes a key as the service does, through the profile functions, behind the program's back.
  void serviceWrites(const char16_t* key, const char16_t* value) {
    ASSERT_TRUE(platformProfileStrings().writeString(disk.path, u"Setting", key, value));
  }

  test::StoreOnDisk disk;
  ServiceRecorder& service = disk.service;
  RecordingView view;
  SettingsRecord* working = &disk.working;
  ServiceEvents events{disk.store, view};
};

TEST_F(ServiceEventsTest, NewDpiRecordsAreReadIntoTheWorkingRecordOnly) {
  const DpiInfo device{1, 2, 3, 4};
  ASSERT_TRUE(platformProfileStrings().writeStruct(disk.path, u"Setting", u"DPI_INFO5", &device, sizeof device));
  serviceWrites(u"LedColor", u"999");
  const std::string before = disk.bytes();
  working->LedColor = 7;  // in memory only: must survive
  EXPECT_EQ(events.handle(1224, 0, 0), 0);
  EXPECT_EQ(working->DPI_INFO[4].levelY, 4);
  EXPECT_EQ(working->LedColor, 7);
  EXPECT_EQ(disk.bytes(), before) << "nothing written";
  EXPECT_EQ(disk.saves, 0);
  EXPECT_EQ(view.events, std::vector<std::string>{"refresh"});
}

TEST_F(ServiceEventsTest, AStageSwitchOnTheMouseReloadsThenStoresTheStage) {
  serviceWrites(u"LeftCount", u"5120");  // counted by the service meanwhile
  EXPECT_EQ(events.handle(1285, 8, 3), 0);
  EXPECT_EQ(working->LeftCount, 5120);
  EXPECT_EQ(working->DPI, 3);
  EXPECT_EQ(working->Profiles[2].DPI, 3);
  EXPECT_EQ(working->Profiles[0].DPI, -1);
  EXPECT_EQ(fileValue(u"Setting", u"DPI"), "3");
  EXPECT_EQ(fileValue(u"GROUP2", u"DPI"), "3");
  EXPECT_EQ(fileValue(u"Setting", u"LeftCount"), "5120");
  EXPECT_EQ(disk.saves, 1);
  EXPECT_FALSE(disk.lastSaveWaiting);
  EXPECT_EQ(view.events, (std::vector<std::string>{"refresh"}));
  EXPECT_TRUE(service.messages().empty());  // no message back
}

TEST_F(ServiceEventsTest, AProfileSwitchOnTheMouseIsStored) {
  EXPECT_EQ(events.handle(1285, 9, 4), 0);
  EXPECT_EQ(working->Profile, 4);
  EXPECT_EQ(fileValue(u"Setting", u"Profile"), "4");
  EXPECT_EQ(disk.saves, 1);
  EXPECT_EQ(view.events, (std::vector<std::string>{"refresh"}));
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
    ASSERT_TRUE(disk.store.save());
    EXPECT_EQ(events.handle(1285, 10, c.value), 0);
    EXPECT_EQ(working->LedMode, c.mode) << c.value;
    EXPECT_EQ(working->LedStateOn, c.on) << c.value;
    EXPECT_EQ(fileValue(u"Setting", u"LedMode"), std::to_string(c.mode));
    EXPECT_EQ(fileValue(u"Setting", u"LedStateOn"), std::to_string(c.on));
  }
}

TEST_F(ServiceEventsTest, OtherDeviceChangesOnlyReloadAndRefresh) {
  serviceWrites(u"RightCount", u"88");
  serviceWrites(u"WheelScrollLines", u"4");
  EXPECT_EQ(events.handle(1285, 3, 1), 0);
  EXPECT_EQ(working->RightCount, 88);
  EXPECT_EQ(working->WheelScrollLines, 4);
  EXPECT_EQ(disk.saves, 0);
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
  EXPECT_EQ(disk.saves, 0);
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
  EXPECT_EQ(disk.saves, 1);
  EXPECT_TRUE(view.events.empty());
}

TEST_F(ServiceEventsTest, OtherRequests) {
  EXPECT_EQ(events.handle(1034, 0, 22), 0);
  EXPECT_EQ(view.events, std::vector<std::string>{"help"});
  view.events.clear();
  for (intptr_t ignored : {18, 20}) EXPECT_EQ(events.handle(1034, 0, ignored), 0);
  for (intptr_t unknown : {0, 13, -1, 1000}) EXPECT_EQ(events.handle(1034, 0, unknown), -1);
  EXPECT_TRUE(view.events.empty());
  EXPECT_EQ(disk.saves, 0);
}

TEST_F(ServiceEventsTest, RemovalClearsTheReconnectFlagAndDoesNothingElse) {
  disk.store.expectReconnect(true);
  EXPECT_EQ(events.handle(1280, 0, 0), 0);
  EXPECT_FALSE(disk.store.reconnectExpected());
  EXPECT_EQ(events.handle(1280, 0, 0), 0);
  EXPECT_FALSE(disk.store.reconnectExpected());
  EXPECT_EQ(events.handle(1282, 1, 2), 0);
  EXPECT_TRUE(view.events.empty());
  EXPECT_EQ(disk.saves, 0);
}

TEST_F(ServiceEventsTest, ShowPageRequestAndForeignMessages) {
  EXPECT_EQ(events.handle(1294, 0, 0), 0);
  EXPECT_EQ(view.events, std::vector<std::string>{"page 100005"});
  EXPECT_FALSE(events.handle(1303, 255, 0).has_value());
  EXPECT_FALSE(events.handle(1227, 0, 0).has_value());
}

}  // namespace
}  // namespace ko
