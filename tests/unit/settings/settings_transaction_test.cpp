// The batched save against the key-by-key one through the portable engine (which writes
// what the Windows functions write): the same bytes over every kind of file a user may
// have, and on failure the old file exactly as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include "platform/file_system.h"
#include "platform/ini_transaction.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "unit/settings/settings_save_samples.h"
#include "support/key_by_key_settings.h"

namespace ko {
namespace {

namespace fs = std::filesystem;

// Whether both files give the same value for every setting key and for the keys other
// writers put in the sample files. The merge keeps a key it does not change spelled as the
// file has it (blanks and all), where the key-by-key save rewrites every key; what a reader
// of the file gets is the same.
testing::AssertionResult sameValues(const Text& keyByKey, const Text& merged) {
  auto& ini = portableProfileStrings();
  std::vector<std::pair<Text, Text>> keys;
  for (const SettingKey& key : settingKeys()) keys.push_back({key.section, key.key});
  for (const char16_t* other : {u"ServiceVersion", u"ProfileName"}) keys.push_back({u"Setting", other});
  keys.push_back({u"MACRO_LIST", u"MacroSetting_1"});
  keys.push_back({u"GROUP2", u"Name"});
  keys.push_back({u"GROUP2", u"Exe"});
  keys.push_back({u"ServiceState", u"LastSeen"});
  for (const SettingKey& key : settingKeys()) {
    if (key.isRecord) continue;
    const int32_t a = ini.readInt(keyByKey, key.section, key.key, -12345);
    const int32_t b = ini.readInt(merged, key.section, key.key, -12345);
    if (a != b)
      return testing::AssertionFailure() << toUtf8(key.section) << "/" << toUtf8(key.key) << ": key by key " << a
                                         << ", merged " << b;
  }
  for (const auto& [section, key] : keys) {
    if (section == u"Setting" && (key == u"LeftCount" || key == u"RightCount")) continue;  // integers, above
    const Text a = ini.readString(keyByKey, section, key, u"<none>");
    const Text b = ini.readString(merged, section, key, u"<none>");
    if (a != b)
      return testing::AssertionFailure() << toUtf8(section) << "/" << toUtf8(key) << ": key by key " << toUtf8(a)
                                         << ", merged " << toUtf8(b);
  }
  return testing::AssertionSuccess();
}

// Saves `record` over `initial` both ways, each on its own copy; the merged bytes.
testing::AssertionResult sameBytesBothWays(const std::string& initial, const SettingsRecord& record,
                                           std::string* batched = nullptr) {
  test::TempDir dir;
  const Text oneByOne = dir.file(u"key-by-key.ini");
  const Text together = dir.file(u"batched.ini");
  writeFileBytes(oneByOne, initial);
  writeFileBytes(together, initial);
  if (!SaveSettings(record, oneByOne, portableProfileStrings())) return testing::AssertionFailure() << "key by key failed";
  if (!SaveSettings(record, together)) return testing::AssertionFailure() << "batched save failed";
  if (batched) *batched = test::bytesOf(together);
  return sameValues(oneByOne, together);
}

TEST(BatchedSave, WritesTheKeyByKeyBytesOverEveryKindOfFile) {
  const auto first = test::randomRecord(11);
  const auto second = test::randomRecord(12);
  for (const auto& start : test::startingFiles()) {
    SCOPED_TRACE(start.what);
    std::string afterFirst;
    EXPECT_TRUE(sameBytesBothWays(start.bytes, *first, &afterFirst));
    // Over a file the save has already filled, every key is replaced in place.
    EXPECT_TRUE(sameBytesBothWays(afterFirst, *second));
  }
  SCOPED_TRACE("no file yet");
  EXPECT_TRUE(sameBytesBothWays("", *first));
}

TEST(BatchedSave, KeepsTheLinesItDoesNotWriteExactly) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  ASSERT_TRUE(writeFileBytes(path, test::kHandEdited));
  ASSERT_TRUE(SaveSettings(*test::randomRecord(3), path));
  const std::string after = test::bytesOf(path);
  // Every line of the hand-edited file that names no key of the save is still there, spelled
  // as it was, in its order.
  size_t from = 0;
  for (const char* line : {"; written by the device service\r\n\r\n[ Setting ]\r\nLeftCount = ",
                           "; the service's own\r\nServiceVersion =3\r\n", "\r\n\r\n[MACRO_LIST]\r\n",
                           "MacroSetting_1=  Burst  \r\n\t; tabbed comment\r\n[group2]\r\nname=Shooter\r\n"
                           "EXE=C:\\Games\\shooter.exe\r\n",
                           "[ServiceState]\r\nLastSeen=20240101"}) {
    const size_t at = after.find(line, from);
    ASSERT_NE(at, std::string::npos) << "lost or moved: " << test::visible(line);
    from = at;
  }
}

// Random damage to a realistic file: whatever the bytes, the transaction must end where the
// one-call-per-key engine ends, or the device service could see a difference.
TEST(BatchedSave, MatchesKeyByKeyOverDamagedFiles) {
  std::mt19937 random(2024);
  const auto record = test::randomRecord(5);
  for (int round = 0; round < 30; ++round) {
    std::string bytes = round % 2 ? test::utf16File(test::kHandEdited) : std::string(test::kHandEdited);
    const int changes = 1 + static_cast<int>(random() % 12);
    for (int c = 0; c < changes && !bytes.empty(); ++c) {
      const size_t at = random() % bytes.size();
      static const char kTricky[] = "[]=;\r\n\0 \t\xFF\xFE\xD8\xDC";
      const char b = random() % 2 ? kTricky[random() % (sizeof kTricky - 1)] : static_cast<char>(random());
      switch (random() % 3) {
        case 0: bytes[at] = b; break;
        case 1: bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), b); break;
        default: bytes.erase(at, 1); break;
      }
    }
    SCOPED_TRACE("round " + std::to_string(round) + ": " + test::visible(bytes.substr(0, 80)));
    EXPECT_TRUE(sameBytesBothWays(bytes, *record));
  }
}

TEST(BatchedSave, ALoadReadsAndRewritesAsTheKeyByKeyLoadDoes) {
  for (const auto& start : test::startingFiles()) {
    SCOPED_TRACE(start.what);
    test::TempDir dir;
    const Text oneByOne = dir.file(u"a.ini"), together = dir.file(u"b.ini");
    writeFileBytes(oneByOne, start.bytes);
    writeFileBytes(together, start.bytes);
    auto workingA = std::make_unique<SettingsRecord>(), bufferA = std::make_unique<SettingsRecord>();
    auto workingB = std::make_unique<SettingsRecord>(), bufferB = std::make_unique<SettingsRecord>();
    std::memset(workingA.get(), 0, sizeof(SettingsRecord));
    std::memset(workingB.get(), 0, sizeof(SettingsRecord));
    std::memset(bufferA.get(), 0, sizeof(SettingsRecord));
    std::memset(bufferB.get(), 0, sizeof(SettingsRecord));
    EXPECT_TRUE(reloadSettings(*workingA, *bufferA, oneByOne, kProfileFromFile, portableProfileStrings()));
    EXPECT_TRUE(reloadSettings(*workingB, *bufferB, together, kProfileFromFile));
    EXPECT_TRUE(sameValues(oneByOne, together));
    EXPECT_EQ(std::memcmp(workingA.get(), workingB.get(), sizeof(SettingsRecord)), 0);
  }
}

std::vector<std::string> namesIn(const test::TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir.fsPath())) names.push_back(entry.path().filename().string());
  return names;
}

TEST(BatchedSave, FailsWithoutTouchingAnythingWhenTheFileCannotBeWritten) {
  const auto record = test::randomRecord(8);
  test::TempDir dir;
  // No folder: nothing is created (the installer or the service makes the folder).
  EXPECT_FALSE(SaveSettings(*record, dir.file(u"missing\\Mouse.ini")));
  EXPECT_FALSE(SaveSettings(*record, dir.file(u"missing/Mouse.ini")));
  EXPECT_FALSE(fs::exists(dir.fsFile(u"missing")));

  // A read-only file stays as it was, and no half-made file is left beside it.
  const Text path = dir.file(u"Mouse.ini");
  ASSERT_TRUE(writeFileBytes(path, test::kOtherWriters));
  fs::permissions(dir.fsFile(u"Mouse.ini"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(SaveSettings(*record, path));
  auto strings = std::make_unique<SettingsRecord>();
  std::memset(strings.get(), 0, sizeof(SettingsRecord));
  auto buffer = std::make_unique<SettingsRecord>();
  EXPECT_FALSE(reloadSettings(*strings, *buffer, path, kProfileFromFile));
  EXPECT_EQ(test::bytesOf(path), test::kOtherWriters);
  // The reload still read what was there.
  EXPECT_EQ(strings->PollingRate, 4);
  fs::permissions(dir.fsFile(u"Mouse.ini"), fs::perms::owner_all);
  EXPECT_EQ(namesIn(dir), std::vector<std::string>{"Mouse.ini"});

  // A folder where the file should be is not replaced.
  ASSERT_TRUE(createDirectories(dir.file(u"Folder.ini")));
  EXPECT_FALSE(SaveSettings(*record, dir.file(u"Folder.ini")));
  EXPECT_TRUE(directoryExists(dir.file(u"Folder.ini")));
}

TEST(BatchedSave, LeavesOnlyTheSettingsFileBehind) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  for (unsigned seed = 0; seed < 5; ++seed) ASSERT_TRUE(SaveSettings(*test::randomRecord(seed), path));
  EXPECT_EQ(namesIn(dir), std::vector<std::string>{"Mouse.ini"});
}

TEST(IniTransaction, SeesItsOwnWritesAndTouchesOneFileOnlyAtCommit) {
  test::TempDir dir;
  const Text path = dir.file(u"t.ini");
  const Text other = dir.file(u"other.ini");
  ASSERT_TRUE(writeFileBytes(path, "[A]\r\nx=1\r\n"));
  IniTransaction transaction(path);
  ASSERT_TRUE(transaction.readable());
  EXPECT_TRUE(transaction.writeString(path, u"A", u"x", u"2"));
  EXPECT_TRUE(transaction.writeString(path, u"B", u"y", u"3"));
  EXPECT_EQ(transaction.readInt(path, u"a", u"X", 0), 2);
  EXPECT_EQ(transaction.readString(path, u"B", u"y", u"-"), u"3");
  // Nothing reaches the disk before the commit, and another file is never reached at all.
  EXPECT_EQ(test::bytesOf(path), "[A]\r\nx=1\r\n");
  EXPECT_FALSE(transaction.writeString(other, u"A", u"x", u"1"));
  EXPECT_EQ(transaction.readInt(other, u"A", u"x", 7), 7);
  EXPECT_FALSE(fileExists(other));
  // Names the profile functions refuse are refused here too, and change nothing.
  EXPECT_FALSE(transaction.writeString(path, u"A", u"", u"v"));
  EXPECT_FALSE(transaction.writeString(path, u"A]", u"k", u"v"));
  EXPECT_TRUE(transaction.commit());
  EXPECT_EQ(test::bytesOf(path), "[A]\r\nx=2\r\n[B]\r\ny=3\r\n");
}

TEST(IniTransaction, WithoutWritesCreatesNoFileAndAnUnreadableOneRefusesWrites) {
  test::TempDir dir;
  const Text path = dir.file(u"never.ini");
  {
    IniTransaction transaction(path);
    EXPECT_EQ(transaction.readInt(path, u"A", u"x", 5), 5);
    EXPECT_TRUE(transaction.commit());
  }
  EXPECT_FALSE(fileExists(path));

  ASSERT_TRUE(createDirectories(dir.file(u"dir.ini")));
  IniTransaction unreadable(dir.file(u"dir.ini"));
  EXPECT_FALSE(unreadable.readable());
  EXPECT_FALSE(unreadable.writeString(dir.file(u"dir.ini"), u"A", u"x", u"1"));
  EXPECT_FALSE(unreadable.commit());
}

}  // namespace
}  // namespace ko
