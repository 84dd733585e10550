// A save beside a service that writes the same file: only what the program changed goes
// in, a write that lands while the save is under way is merged rather than written over,
// a file that lost keys while the program runs never replaces the working record, and a
// notice waits for the save it announces.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include "platform/checked_replace.h"
#include "platform/file_system.h"
#include "platform/service_recorder.h"
#include "platform/shared_file_edit.h"
#include "settings/service_events.h"
#include "settings/settings_base.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "unit/settings/silent_service_view.h"

namespace ko {
namespace {

int32_t fileInt(TextView path, const char16_t* key, const char16_t* section = u"Setting") {
  return portableProfileStrings().readInt(path, section, key, -12345);
}
bool writeKey(TextView path, const char16_t* key, const char16_t* value, const char16_t* section = u"Setting") {
  return portableProfileStrings().writeString(path, section, key, value);
}

TEST(SettingsMerge, ASaveWritesOnlyWhatTheProgramChangedOverTheFileAsItIsNow) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  auto working = std::make_unique<SettingsRecord>();
  auto buffer = std::make_unique<SettingsRecord>();
  ASSERT_EQ(reloadSettingsFrom(*working, *buffer, path, kProfileFromFile), SettingsReload::Saved);
  ASSERT_TRUE(writeKey(path, u"0", u"Burst", u"MACRO_LIST"));

  // The service counts, switches the light and adds a key of its own; the program, which
  // has not read any of it, changes the colour and a button.
  ASSERT_TRUE(writeKey(path, u"LeftCount", u"41"));
  ASSERT_TRUE(writeKey(path, u"LedMode", u"4"));
  ASSERT_TRUE(writeKey(path, u"Firmware", u"1.07"));
  working->LedColor = 0x123456;
  working->Profiles[2].ButtonAssigned[3].FunctionCode = 12;
  ASSERT_TRUE(SaveSettings(*working, path));
  EXPECT_EQ(fileInt(path, u"LedColor"), 0x123456);
  EXPECT_EQ(fileInt(path, u"LeftCount"), 41) << "a counter written back from memory";
  EXPECT_EQ(fileInt(path, u"LedMode"), 4) << "a value the user did not change written back from memory";
  EXPECT_EQ(portableProfileStrings().readString(path, u"Setting", u"Firmware", u""), u"1.07");
  ButtonAssignment stored{};
  ASSERT_TRUE(portableProfileStrings().readStruct(path, u"GROUP2", u"ButtonAssigned4", &stored, sizeof stored));
  EXPECT_EQ(stored.FunctionCode, 12);
  const std::string text = test::bytesOf(path);
  EXPECT_GT(text.rfind("M\0A\0C\0R\0O\0_\0L\0I\0S\0T", std::string::npos, 20), text.find("G\0R\0O\0U\0P\0004", 0, 12))
      << "the macro list stays where the file has it, last";

  // Nothing changed since: the file is left exactly as it is.
  ASSERT_TRUE(writeKey(path, u"LeftCount", u"42"));
  const std::string before = test::bytesOf(path);
  ASSERT_TRUE(SaveSettings(*working, path));
  EXPECT_EQ(test::bytesOf(path), before);

  // A write between the merge's read and its write (here the edit itself plays the service,
  // once). Where the save holds the file against writers (Windows), that write is refused;
  // elsewhere it lands and the merge runs again on what the file holds then. Either way
  // neither side's change is lost.
  int runs = 0;
  bool landed = false;
  ASSERT_EQ(editSharedFile(path,
                           [&](ini::Document& document) {
                             if (++runs == 1) landed = writeKey(path, u"LeftCount", u"43");
                             return document.writeString(u"Setting", u"LedColor", u"7");
                           }),
            SharedEdit::Done);
  EXPECT_EQ(runs, landed ? 2 : 1);
  EXPECT_EQ(fileInt(path, u"LeftCount"), landed ? 43 : 42);
  EXPECT_EQ(fileInt(path, u"LedColor"), 7);

  // The checked replace on its own: a file that no longer holds what was read is left alone.
  const std::string now = test::bytesOf(path);
  EXPECT_EQ(tryCheckedReplace(path, &before, "x").outcome, CheckedOutcome::Changed);
  EXPECT_EQ(test::bytesOf(path), now);
  EXPECT_EQ(overwriteIfUnchanged(path, before, "x").outcome, CheckedOutcome::Changed);
  EXPECT_EQ(tryCheckedReplace(path, nullptr, "x").outcome, CheckedOutcome::Changed) << "appeared since";
  EXPECT_EQ(test::bytesOf(path), now);
  EXPECT_EQ(listFiles(dir.folder()), std::vector<Text>{u"Mouse.ini"}) << "no temporary file left behind";

  // Integers the profile functions read only in part ("3abc" as 3, "x" as 0) are written
  // whole at the next save, though the program changed nothing.
  ASSERT_TRUE(writeKey(path, u"PollingRate", u"3abc"));
  ASSERT_TRUE(writeKey(path, u"TrayEnabled", u"x"));
  reloadSettingsFrom(*working, *buffer, path, kProfileFromFile);
  ASSERT_TRUE(SaveSettings(*working, path));
  EXPECT_EQ(portableProfileStrings().readString(path, u"Setting", u"PollingRate", u""), u"3");
  EXPECT_EQ(portableProfileStrings().readString(path, u"Setting", u"TrayEnabled", u""), u"0");
}

// While the program runs, the file it reloads on a device notice may have been removed,
// emptied or cut short by a writer that died; the working record keeps the settings and
// the file gets them back whole, with the reported change.
// A reload of the stage records alone (the service announced new ones) makes only them the
// base: a save after it leaves them and every key the program did not change as the file
// has them, and writes what it did change; a stage the program then changes goes in, and
// once the base is forgotten the whole record does.
TEST(SettingsMerge, AStageReloadMakesOnlyTheStagesTheBase) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  auto working = std::make_unique<SettingsRecord>();
  auto buffer = std::make_unique<SettingsRecord>();
  ASSERT_EQ(reloadSettingsFrom(*working, *buffer, path, kProfileFromFile), SettingsReload::Saved);
  const DpiInfo fromService{1, 7, 8, 9};
  ASSERT_TRUE(portableProfileStrings().writeStruct(path, u"Setting", u"DPI_INFO2", &fromService, sizeof fromService));
  ASSERT_TRUE(writeKey(path, u"LedMode", u"4"));
  ASSERT_TRUE(reloadDpiInfos(*working, path));
  EXPECT_EQ(working->DPI_INFO[1].levelY, 9);
  EXPECT_NE(working->LedMode, 4) << "only the stages are read";

  const auto storedStage = [&] {
    DpiInfo stage{};
    EXPECT_TRUE(portableProfileStrings().readStruct(path, u"Setting", u"DPI_INFO2", &stage, sizeof stage));
    return stage.levelY;
  };
  working->LedColor = 0x654321;
  ASSERT_TRUE(SaveSettings(*working, path));
  EXPECT_EQ(fileInt(path, u"LedColor"), 0x654321);
  EXPECT_EQ(fileInt(path, u"LedMode"), 4);
  EXPECT_EQ(storedStage(), 9);

  working->DPI_INFO[1].levelY = 11;
  ASSERT_TRUE(SaveSettings(*working, path));
  EXPECT_EQ(storedStage(), 11);
  EXPECT_EQ(fileInt(path, u"LedMode"), 4);

  forgetBase(path);
  ASSERT_TRUE(SaveSettings(*working, path));
  EXPECT_EQ(fileInt(path, u"LedMode"), working->LedMode);
  EXPECT_EQ(fileInt(path, u"LedColor"), 0x654321);
}

TEST(SettingsMerge, AFileThatLostKeysNeverReplacesTheWorkingRecord) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  ServiceRecorder service;
  SettingsStore store(path, service);
  SettingsRecord* working = &store.working();
  ASSERT_EQ(store.reload(ReloadWhen::Starting), SettingsReload::Saved);
  ApplyFactoryDefaults(*working, 0);
  working->LedColor = 0xABCDEF;
  working->Profiles[0].ButtonAssigned[3].FunctionCode = 12;
  ASSERT_TRUE(store.save());
  const std::string whole = test::bytesOf(path);

  test::SilentServiceView view;
  ServiceEvents events(store, view);
  const std::string cutShort = whole.substr(0, whole.size() / 3);
  for (const std::string& content : {std::string(), cutShort}) {
    ASSERT_TRUE(writeFileBytes(path, content));
    events.handle(from_service::kDeviceChanged, device_change::kDpiStage, 4);
    EXPECT_EQ(working->LedColor, 0xABCDEF) << content.size();
    EXPECT_EQ(working->Profiles[0].ButtonAssigned[3].FunctionCode, 12) << "factory buttons in place of the user's";
    EXPECT_EQ(fileInt(path, u"LedColor"), 0xABCDEF) << "written back whole";
    EXPECT_EQ(fileInt(path, u"DPI", u"GROUP4"), working->Profiles[4].DPI);
    EXPECT_EQ(fileInt(path, u"DPI"), 4) << "with the reported stage";
  }
  ASSERT_TRUE(deleteFile(path));
  events.handle(from_service::kDeviceChanged, device_change::kLighting, 2);
  EXPECT_EQ(working->LedColor, 0xABCDEF);
  EXPECT_EQ(fileInt(path, u"LedColor"), 0xABCDEF) << "a missing file is written again at once";
  EXPECT_EQ(fileInt(path, u"LedMode"), 4);

  // A whole file is still taken as it is: the service's value comes in.
  ASSERT_TRUE(writeKey(path, u"LedColor", u"99"));
  events.handle(from_service::kDeviceChanged, device_change::kProfile, 1);
  EXPECT_EQ(working->LedColor, 99);
  EXPECT_EQ(fileInt(path, u"Profile"), 1);
}

// The other program read the file before the save took its place and writes what it read
// back a moment later: the save sees it and writes its own keys again.
TEST(SettingsMerge, AStaleCopyWrittenBackAfterASaveIsUndone) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  auto record = std::make_unique<SettingsRecord>();
  auto buffer = std::make_unique<SettingsRecord>();
  ASSERT_EQ(reloadSettingsFrom(*record, *buffer, path, kProfileFromFile), SettingsReload::Saved);
  ASSERT_TRUE(writeKey(path, u"LeftCount", u"5"));  // the other program is at work
  const std::string stale = test::bytesOf(path);
  record->LedColor = 31337;
  std::atomic<bool> undone{false};
  std::thread lateWriter([&] {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (test::bytesOf(path) == stale && std::chrono::steady_clock::now() < giveUp) std::this_thread::yield();
    // Refused while the save still has the file open for its write: written as soon as it may.
    while (!(undone = writeFileBytes(path, stale)) && std::chrono::steady_clock::now() < giveUp)
      std::this_thread::yield();
  });
  const bool saved = SaveSettings(*record, path);
  lateWriter.join();
  ASSERT_TRUE(undone);
  EXPECT_TRUE(saved);
  EXPECT_EQ(fileInt(path, u"LedColor"), 31337);
  EXPECT_EQ(fileInt(path, u"LeftCount"), 5);
}

TEST(SettingsMerge, NoticesWaitForTheSaveThatLandsAndGoOutOnce) {
  ServiceRecorder service;
  NoticeBacklog backlog;
  bool lands = false;
  const auto save = [&] { return lands; };
  EXPECT_FALSE(backlog.saveThenNotify(service, save, {lightingChangedNotice()}));
  EXPECT_FALSE(backlog.saveThenNotify(service, save, {buttonAssignmentNotice(1, 3), lightingChangedNotice()}));
  EXPECT_TRUE(backlog.waiting());
  EXPECT_TRUE(service.messages().empty()) << "nothing announced that the file lacks";
  lands = true;
  EXPECT_TRUE(backlog.saveThenNotify(service, save, {}));  // the retry
  EXPECT_FALSE(backlog.waiting());
  ASSERT_EQ(service.messages().size(), 2u);
  EXPECT_EQ(service.messages()[0].message, to_service::kLightingChanged);
  EXPECT_EQ(service.messages()[1].message, to_service::kButtonAssignmentChanged);
  EXPECT_EQ(service.messages()[1].lParam, 3);
  EXPECT_TRUE(backlog.saveThenNotify(service, save, {profileChangedNotice()}));
  EXPECT_EQ(service.messages().size(), 3u);
}

}  // namespace
}  // namespace ko
