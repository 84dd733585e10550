// A whole settings save through the Windows profile functions and through the portable
// engine leaves the same bytes, over a file that other writers have filled too: the native
// tests of the settings file then speak for the program on Windows.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include "settings/settings_file.h"
#include "support/file_bytes.h"
#include "support/profile_identity.h"
#include "support/key_by_key_settings.h"

namespace ko {
namespace {

std::unique_ptr<SettingsRecord> sampleRecord() {
  auto r = std::make_unique<SettingsRecord>();
  std::mt19937 random(4096);
  auto* bytes = reinterpret_cast<unsigned char*>(r.get());
  for (size_t i = 0; i < sizeof(SettingsRecord); ++i) bytes[i] = static_cast<unsigned char>(random());
  r->Profile = 3;
  r->PollingRate = -1;
  r->LedColor = 0x00FF8040;
  return r;
}

// What the device service and an earlier import leave in the file.
const char kOtherWriters[] =
    "[Setting]\r\nServiceVersion=3\r\nProfileName=Work\r\nPollingRate=4\r\n"
    "[MACRO_LIST]\r\nMacroSetting_1=Burst\r\n"
    "[GROUP2]\r\nName=Shooter\r\nExe=C:\\Games\\game.exe\r\nDPI=2\r\n"
    "[Service]\r\nLastSeen=20240101\r\n";

TEST(SettingsOnWindows, AWholeSaveWritesTheSameBytesAsThePortableEngine) {
  const auto record = sampleRecord();
  const test::ProfileWrites save = [&](ProfileStrings& strings, TextView path) {
    EXPECT_TRUE(SaveSettings(*record, path, strings));
  };
  for (const std::string& initial : {std::string(kOtherWriters), test::utf16File(kOtherWriters)})
    EXPECT_TRUE(test::sameFilesAfter(initial, save, platformProfileStrings(), portableProfileStrings()));
  EXPECT_TRUE(test::sameFilesAfter(std::nullopt, save, platformProfileStrings(), portableProfileStrings()));
}

TEST(SettingsOnWindows, AReloadWritesAndReadsTheSameThroughBoth) {
  test::TempDir dir;
  const Text winPath = dir.file(u"win.ini");
  const Text portablePath = dir.file(u"portable.ini");
  ASSERT_TRUE(writeFileBytes(winPath, kOtherWriters));
  ASSERT_TRUE(writeFileBytes(portablePath, kOtherWriters));
  auto winWorking = std::make_unique<SettingsRecord>(), winBuffer = std::make_unique<SettingsRecord>();
  auto portWorking = std::make_unique<SettingsRecord>(), portBuffer = std::make_unique<SettingsRecord>();
  std::memset(winWorking.get(), 0, sizeof(SettingsRecord));
  std::memset(portWorking.get(), 0, sizeof(SettingsRecord));
  EXPECT_TRUE(reloadSettings(*winWorking, *winBuffer, winPath, kProfileFromFile, platformProfileStrings()));
  EXPECT_TRUE(reloadSettings(*portWorking, *portBuffer, portablePath, kProfileFromFile, portableProfileStrings()));
  EXPECT_EQ(test::bytesOf(winPath), test::bytesOf(portablePath));
  EXPECT_EQ(std::memcmp(winWorking.get(), portWorking.get(), sizeof(SettingsRecord)), 0);
  EXPECT_EQ(winWorking->PollingRate, 4);
  EXPECT_EQ(Text(winWorking->Profiles[2].Exe), u"C:\\Games\\game.exe");
}

}  // namespace
}  // namespace ko
