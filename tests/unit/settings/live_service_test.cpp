// The settings file shared with a device service that writes it at any moment: what the
// service stored survives the program's saves, start-up and reloads; a file that cannot be
// read is never taken for an empty one; and a save that did not land sends no notice.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>
#include "app/first_start.h"
#include "platform/file_system.h"
#include "platform/ini_document.h"
#include "platform/ini_transaction.h"
#include "platform/service_recorder.h"
#include "settings/profile_commands.h"
#include "settings/service_events.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"
#include "settings/shared_settings_strings.h"
#include "unit/settings/fake_profile_strings.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "unit/settings/settings_save_samples.h"
#include "unit/settings/silent_service_view.h"
#include "support/key_by_key_settings.h"

namespace ko {
namespace {

namespace fs = std::filesystem;

int32_t fileInt(TextView path, const char16_t* section, const char16_t* key) {
  return portableProfileStrings().readInt(path, section, key, -12345);
}

std::unique_ptr<SettingsRecord> loaded(TextView path) {
  auto working = std::make_unique<SettingsRecord>();
  auto buffer = std::make_unique<SettingsRecord>();
  EXPECT_EQ(reloadSettingsFrom(*working, *buffer, path, kProfileFromFile), SettingsReload::Saved);
  return working;
}

TEST(LiveService, SavesKeepTheCountersTheFileHoldsAtThatMoment) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  auto working = loaded(path);
  working->LeftCount = 3;
  working->RightCount = 4;
  // The service counted clicks since the reload.
  auto& ini = portableProfileStrings();
  ini.writeString(path, u"Setting", u"LeftCount", u"1500");
  ini.writeString(path, u"Setting", u"RightCount", u"77");
  working->LedColor = 4242;
  ASSERT_TRUE(SaveSettings(*working, path));
  EXPECT_EQ(fileInt(path, u"Setting", u"LeftCount"), 1500);
  EXPECT_EQ(fileInt(path, u"Setting", u"RightCount"), 77);
  EXPECT_EQ(fileInt(path, u"Setting", u"LedColor"), 4242) << "the save itself still lands";
  // The key-by-key save keeps them the same way.
  ini.writeString(path, u"Setting", u"LeftCount", u"1600");
  ASSERT_TRUE(SaveSettings(*working, path, ini));
  EXPECT_EQ(fileInt(path, u"Setting", u"LeftCount"), 1600);
  // A file without counters (a new one) takes the record's.
  const Text fresh = dir.file(u"fresh.ini");
  ASSERT_TRUE(SaveSettings(*working, fresh));
  EXPECT_EQ(fileInt(fresh, u"Setting", u"LeftCount"), 3);
}

TEST(LiveService, ATransactionSeesAChangeMadeAfterItsRead) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  ASSERT_TRUE(writeFileBytes(path, "[Setting]\r\nLeftCount=1\r\n"));
  IniTransaction transaction(path);
  EXPECT_FALSE(transaction.fileChangedSinceRead());
  ASSERT_TRUE(writeFileBytes(path, "[Setting]\r\nLeftCount=2\r\n"));
  EXPECT_TRUE(transaction.fileChangedSinceRead());

  const Text absent = dir.file(u"absent.ini");
  IniTransaction none(absent);
  EXPECT_FALSE(none.fileChangedSinceRead());
  ASSERT_TRUE(writeFileBytes(absent, ""));
  EXPECT_TRUE(none.fileChangedSinceRead()) << "a file that appeared is a change too";
}

// The service writes a stage record and then sends 1224; a save the program makes before
// that message is handled keeps the service's record, the message then brings it in, and a
// level the user sets afterwards is saved as usual.
TEST(LiveService, AStageRecordTheServiceWroteSurvivesASaveMadeBeforeItsMessage) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  ServiceRecorder service;
  SettingsStore store(path, service);
  ASSERT_EQ(store.reload(ReloadWhen::Starting), SettingsReload::Saved);
  SettingsRecord* working = &store.working();
  const DpiInfo programs = working->DPI_INFO[4];
  const DpiInfo services{0, 11, 11, 11};
  auto& ini = portableProfileStrings();
  ASSERT_TRUE(ini.writeStruct(path, u"Setting", u"DPI_INFO5", &services, sizeof services));

  working->LedColor = 4242;  // a change of something else, saved before the message
  ASSERT_TRUE(SaveSettings(*working, path));
  DpiInfo inFile{};
  ASSERT_TRUE(ini.readStruct(path, u"Setting", u"DPI_INFO5", &inFile, sizeof inFile));
  EXPECT_EQ(inFile.level, 11) << "the program's old record " << programs.level << " went back over the service's";
  EXPECT_EQ(fileInt(path, u"Setting", u"LedColor"), 4242);

  test::SilentServiceView view;
  ServiceEvents events(store, view);
  events.handle(from_service::kDpiInfosChanged, 0, 0);
  EXPECT_EQ(working->DPI_INFO[4].level, 11);

  working->DPI_INFO[4] = DpiInfo{0, 3, 3, 3};  // the user's level
  ASSERT_TRUE(SaveSettings(*working, path));
  ASSERT_TRUE(ini.readStruct(path, u"Setting", u"DPI_INFO5", &inFile, sizeof inFile));
  EXPECT_EQ(inFile.level, 3);

  // A record missing from the file is written whatever the program saw.
  ASSERT_TRUE(ini.writeString(path, u"Setting", u"DPI_INFO2", u""));
  ASSERT_TRUE(SaveSettings(*working, path));
  ASSERT_TRUE(ini.readStruct(path, u"Setting", u"DPI_INFO2", &inFile, sizeof inFile));
  EXPECT_EQ(inFile.level, working->DPI_INFO[1].level);

  // An export writes the whole record, even over a file it imported from.
  const Text exported = dir.file(u"mine.prof");
  ASSERT_TRUE(SaveSettings(*working, exported));
  SettingsStore importer(dir.file(u"other.ini"), service);
  ASSERT_EQ(importer.importFrom(exported, 0), SettingsReload::Saved);
  ASSERT_TRUE(ini.writeStruct(exported, u"Setting", u"DPI_INFO5", &services, sizeof services));
  ASSERT_TRUE(importer.exportTo(exported));
  ASSERT_TRUE(ini.readStruct(exported, u"Setting", u"DPI_INFO5", &inFile, sizeof inFile));
  EXPECT_EQ(inFile.level, 3);
}

TEST(LiveService, AFileInUseIsWaitedForBrieflyThenWrittenInPlace) {
  int attempts = 0, inPlace = 0, waited = 0;
  const auto pause = [&](int ms) { waited += ms; };
  // Free again after a few tries: replaced, no in-place write.
  EXPECT_TRUE(replaceWithPatience([&] { return ++attempts < 4 ? ReplaceAttempt::InUse : ReplaceAttempt::Replaced; },
                                  [&] { return ++inPlace, true; }, 250, pause));
  EXPECT_EQ(attempts, 4);
  EXPECT_EQ(inPlace, 0);
  // Held for good: a bounded wait, then the in-place write decides.
  attempts = 0, waited = 0;
  EXPECT_TRUE(replaceWithPatience([&] { return ++attempts, ReplaceAttempt::InUse; }, [&] { return ++inPlace, true; },
                                  250, pause));
  EXPECT_EQ(inPlace, 1);
  EXPECT_GE(waited, 250);
  EXPECT_LE(waited, 260);
  EXPECT_FALSE(replaceWithPatience([] { return ReplaceAttempt::InUse; }, [] { return false; }, 20, pause));
  // Any other failure (read-only file, missing folder) is final: nothing written in place.
  inPlace = 0;
  EXPECT_FALSE(replaceWithPatience([] { return ReplaceAttempt::Failed; }, [&] { return ++inPlace, true; }, 250, pause));
  EXPECT_EQ(inPlace, 0);

  // The in-place write itself: same file, new contents, shorter than before.
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  ASSERT_TRUE(writeFileBytes(path, std::string(100, 'x')));
  ASSERT_TRUE(overwriteInPlace(path, "[Setting]\r\n"));
  EXPECT_EQ(test::bytesOf(path), "[Setting]\r\n");
  EXPECT_FALSE(overwriteInPlace(dir.file(u"missing.ini"), "x")) << "in place means an existing file";
  EXPECT_FALSE(fileExists(dir.file(u"missing.ini")));
}

TEST(LiveService, StrayTemporaryFilesOfAKilledSaveAreRemovedAndNothingElse) {
  EXPECT_TRUE(isReplaceTemporaryName(u"Mouse.ini.~1234-0.tmp"));
  for (const char16_t* name : {u"Mouse.ini", u"notes.tmp", u"Mouse.ini.~x-1.tmp", u"Mouse.ini.~12.tmp",
                               u".~1-2.tmp", u"Mouse.ini.~1-.tmp", u"Mouse.ini.~1-2.tmpx"})
    EXPECT_FALSE(isReplaceTemporaryName(name)) << toUtf8(name);

  test::TempDir dir;
  for (const char* name : {"Mouse.ini", "Mouse.ini.~77-3.tmp", "Mouse.ini.~78-0.tmp", "notes.tmp"})
    ASSERT_TRUE(writeFileBytes(dir.file(u16(name)), "x"));
  EXPECT_EQ(removeStrayReplaceFiles(dir.folder()), 2);
  EXPECT_EQ(listFiles(dir.folder()), (std::vector<Text>{u"Mouse.ini", u"notes.tmp"}));

  // A save leaves none behind.
  const Text path = dir.file(u"Mouse.ini");
  ASSERT_TRUE(SaveSettings(*test::randomRecord(5), path));
  EXPECT_EQ(listFiles(dir.folder()), (std::vector<Text>{u"Mouse.ini", u"notes.tmp"}));

  // A journal left by a write into the file that was cut short is put in place whole (the
  // file holds the new text's start over the old text's tail); an unrelated name stays.
  ASSERT_TRUE(writeFileBytes(path, "[Setting]\r\nProfile=2\r\nTAIL OF THE OLD"));
  ASSERT_TRUE(writeFileBytes(dir.file(u"Mouse.ini.~41-7.pending"), "[Setting]\r\nProfile=2\r\n"));
  ASSERT_TRUE(writeFileBytes(dir.file(u"notes.~1.pending"), "x"));
  EXPECT_EQ(finishInterruptedSaves(dir.folder()), 1);
  EXPECT_EQ(test::bytesOf(path), "[Setting]\r\nProfile=2\r\n");
  EXPECT_EQ(listFiles(dir.folder()), (std::vector<Text>{u"Mouse.ini", u"notes.tmp", u"notes.~1.pending"}));
}

TEST(LiveService, StartUpFillsFactoryValuesOnlyWhereTheFileHoldsNothing) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  // What the service wrote before the program ever ran: no "Profile", but records,
  // counters and an assignment of its own (code 25 on button 5, factory code 11).
  auto& ini = portableProfileStrings();
  const DpiInfo stage{0, 20, 21, 22};
  ButtonAssignment kept{};
  kept.ButtonNumber = 5;
  kept.FunctionCode = 25;
  kept.ParamA = 1;
  ini.writeStruct(path, u"Setting", u"DPI_INFO2", &stage, sizeof stage);
  ini.writeString(path, u"Setting", u"LeftCount", u"900");
  ini.writeString(path, u"Setting", u"WheelScrollLines", u"7");
  ini.writeStruct(path, u"GROUP", u"ButtonAssigned5", &kept, sizeof kept);

  SettingsStore store(path);
  SettingsRecord* working = &store.working();
  int waits = 0;
  const StartupSettings start = loadStartupSettings(store, [&] { return ++waits, true; });
  EXPECT_TRUE(start.readFile);
  EXPECT_TRUE(start.filled);
  EXPECT_TRUE(start.saved);
  EXPECT_EQ(waits, 0);
  // Kept as the file had them.
  EXPECT_EQ(working->DPI_INFO[1].level, 20);
  EXPECT_EQ(working->LeftCount, 900);
  EXPECT_EQ(working->WheelScrollLines, 7);
  EXPECT_EQ(working->Profiles[0].ButtonAssigned[4].FunctionCode, 25);
  // Filled where nothing was.
  EXPECT_EQ(working->DPI_INFO[0].level, 3);
  EXPECT_EQ(working->DoubleClickSpeed, 12);
  EXPECT_EQ(working->LedMode, 3);
  EXPECT_EQ(working->Profiles[3].DPI, 1);
  EXPECT_EQ(working->Profiles[0].ButtonAssigned[3].FunctionCode, 10);
  // And the file holds both.
  EXPECT_EQ(fileInt(path, u"Setting", u"LeftCount"), 900);
  EXPECT_EQ(fileInt(path, u"Setting", u"WheelScrollLines"), 7);
  EXPECT_EQ(fileInt(path, u"Setting", u"DoubleClickSpeed"), 12);
  ButtonAssignment stored{};
  ASSERT_TRUE(ini.readStruct(path, u"GROUP", u"ButtonAssigned5", &stored, sizeof stored));
  EXPECT_EQ(stored.FunctionCode, 25);

  // A complete file is taken as it is and not written again.
  const std::string before = test::bytesOf(path);
  const StartupSettings again = loadStartupSettings(store, nullptr);
  EXPECT_FALSE(again.filled);
  EXPECT_EQ(test::bytesOf(path), before);
}

// Natively a path the program cannot read as a file is a folder in its place; under Wine
// the same cases run with the file held open without sharing.
TEST(LiveService, AFileThatCannotBeReadIsNeverTakenForAnEmptyOne) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  ASSERT_TRUE(createDirectories(path));

  ServiceRecorder service;
  SettingsStore store(path, service);
  int saves = 0;
  store.onSaved([&](bool) { ++saves; });
  SettingsRecord* working = &store.working();
  working->LedColor = 1234;
  EXPECT_EQ(store.reload(ReloadWhen::Running), SettingsReload::Unreadable);
  EXPECT_EQ(working->LedColor, 1234) << "the working record is untouched";
  EXPECT_FALSE(SaveSettings(*working, path));

  // Start-up waits as long as it is allowed, then runs on factory values, writing nothing.
  int waits = 0;
  const StartupSettings start = loadStartupSettings(store, [&] { return ++waits < 3; });
  EXPECT_EQ(waits, 3);
  EXPECT_FALSE(start.readFile);
  EXPECT_FALSE(start.saved);
  EXPECT_EQ(working->DoubleClickSpeed, 12);
  EXPECT_EQ(working->LedMode, 3);
  EXPECT_EQ(working->MouseButtons, 11);
  EXPECT_TRUE(directoryExists(path));

  // A device change: the reported field is taken, nothing is saved, nothing else changes.
  test::SilentServiceView view;
  working->LedColor = 1234;
  ServiceEvents events(store, view);
  events.handle(from_service::kDeviceChanged, device_change::kDpiStage, 4);
  EXPECT_EQ(working->DPI, 4);
  EXPECT_EQ(working->LedColor, 1234);
  EXPECT_EQ(saves, 0);
  EXPECT_TRUE(service.messages().empty());
}

// A save that cannot land keeps its notices; the store's retry lands it once the file can
// be written and then tells the service, in order and each once.
TEST(LiveService, NoNoticeGoesOutForASaveThatDidNotLandAndTheRetryDeliversIt) {
  test::TempDir dir;
  const Text folder = dir.file(u"missing");
  const Text path = folder + u"/Mouse.ini";  // no folder yet: every save fails
  test::SilentServiceView view;
  ServiceRecorder service;
  SettingsStore store(path, service);
  service.setSnapshot([&] {
    std::string bytes;
    readFileBytes(path, bytes);
    return toUtf8(ini::Document::fromBytes(bytes).toText());
  });
  std::vector<bool> waitingAfterSave;
  store.onSaved([&](bool waiting) { waitingAfterSave.push_back(waiting); });
  store.working().LedColor = 4242;
  ServiceEvents events(store, view);
  EXPECT_EQ(events.handle(from_service::kRequest, 0, service_request::kApply), 0);
  EXPECT_TRUE(service.messages().empty()) << "1279 would make the service read the old file";
  store.working().Profile = 3;
  EXPECT_FALSE(store.save(profileChangedNotice()));
  EXPECT_FALSE(store.save(settingsAppliedNotice())) << "kept once, not twice";
  EXPECT_EQ(waitingAfterSave, (std::vector<bool>{true, true, true}));
  EXPECT_FALSE(store.retry());
  EXPECT_TRUE(store.waiting());
  EXPECT_TRUE(service.messages().empty());

  ASSERT_TRUE(createDirectories(folder));
  EXPECT_TRUE(store.retry());
  EXPECT_FALSE(store.waiting());
  ASSERT_EQ(service.messages().size(), 2u);
  EXPECT_EQ(service.messages()[0].message, to_service::kSettingsApplied);
  EXPECT_EQ(service.messages()[1].message, to_service::kProfileChanged);
  for (const auto& m : service.messages()) {
    EXPECT_NE(m.snapshot.find("LedColor=4242"), std::string::npos) << "told only once the file holds it";
    EXPECT_NE(m.snapshot.find("Profile=3"), std::string::npos);
  }
  EXPECT_TRUE(store.retry()) << "nothing waits any more";
  EXPECT_EQ(service.messages().size(), 2u);
  EXPECT_EQ(waitingAfterSave.size(), 3u) << "a retry is no new save";

}

// The macro list and other keys the program writes outside a whole save reach the settings
// file through the program's own transactions; other files keep the given functions.
TEST(LiveService, SettingsFileCallsGoThroughTheProgramsOwnTransactions) {
  test::TempDir dir;
  const Text settings = dir.file(u"Mouse.ini");
  ASSERT_TRUE(SaveSettings(*test::randomRecord(4), settings));
  test::FakeProfileStrings others;
  SettingsStore store(settings);
  SharedSettingsStrings strings(store, others);
  EXPECT_TRUE(strings.writeString(settings, u"MACRO_LIST", u"0", u"Fire"));
  EXPECT_EQ(portableProfileStrings().readString(settings, u"MACRO_LIST", u"0", u""), u"Fire");
  EXPECT_EQ(strings.readString(settings, u"MACRO_LIST", u"0", u"-"), u"Fire");
  const DpiInfo stage{0, 4, 4, 4};
  EXPECT_TRUE(strings.writeStruct(settings, u"Setting", u"DPI_INFO3", &stage, sizeof stage));
  DpiInfo back{};
  EXPECT_TRUE(strings.readStruct(settings, u"Setting", u"DPI_INFO3", &back, sizeof back));
  EXPECT_EQ(back.level, 4);
  EXPECT_EQ(strings.readInt(settings, u"Setting", u"DPI_INFO3x", 9), 9);
  EXPECT_EQ(listFiles(dir.folder()), std::vector<Text>{u"Mouse.ini"});

  const Text macro = u"C:\\m\\Fire.macro";
  EXPECT_TRUE(strings.writeString(macro, u"Setting", u"Count", u"3"));
  ASSERT_NE(others.value(macro, u"Setting", u"Count"), nullptr);
  EXPECT_EQ(*others.value(macro, u"Setting", u"Count"), u"3");
  EXPECT_EQ(strings.readInt(macro, u"Setting", u"Count", 0), 3);
}

}  // namespace
}  // namespace ko
