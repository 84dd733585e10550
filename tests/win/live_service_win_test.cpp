// The settings file held open by another program, on the Windows build: the profile
// functions keep it open with read and write sharing (no delete sharing) while they read
// or write, and a program may also hold it without any sharing for a moment.
#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include "platform/checked_replace.h"
#include "platform/file_system.h"
#include "platform/service_recorder.h"
#include "settings/profile_commands.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "unit/settings/settings_save_samples.h"
#include "support/key_by_key_settings.h"

namespace ko {
namespace {

class Held {
 public:
  Held(const Text& path, DWORD sharing)
      : handle_(CreateFileW(reinterpret_cast<const wchar_t*>(path.c_str()), GENERIC_READ, sharing, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~Held() {
    if (ok()) CloseHandle(handle_);
  }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  bool ok() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

int32_t fileInt(const Text& path, const char16_t* key) {
  return GetPrivateProfileIntW(L"Setting", reinterpret_cast<const wchar_t*>(key), -12345,
                               reinterpret_cast<const wchar_t*>(path.c_str()));
}

TEST(LiveServiceWin, ASaveLandsInAFileTheProfileFunctionsHoldOpen) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  auto record = test::randomRecord(21);
  ASSERT_TRUE(SaveSettings(*record, path));
  // The rename is refused while the file is open without delete sharing.
  {
    Held reader(path, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_TRUE(reader.ok());
    EXPECT_EQ(tryReplaceFile(path, "x"), ReplaceAttempt::InUse);
    record->LedColor = 777;
    record->DoubleClickSpeed = 17;
    EXPECT_TRUE(SaveSettings(*record, path)) << "the save waits, then writes in place";
    EXPECT_EQ(fileInt(path, u"LedColor"), 777);
    EXPECT_EQ(fileInt(path, u"DoubleClickSpeed"), 17);
  }
  EXPECT_EQ(listFiles(dir.folder()), std::vector<Text>{u"Mouse.ini"}) << "no temporary file is left";
  // The whole record is there, as a reload reads it.
  auto working = std::make_unique<SettingsRecord>();
  auto buffer = std::make_unique<SettingsRecord>();
  ASSERT_EQ(reloadSettingsFrom(*working, *buffer, path, kProfileFromFile), SettingsReload::Saved);
  EXPECT_EQ(working->LedColor, 777);
  EXPECT_EQ(std::memcmp(working->DPI_INFO, record->DPI_INFO, sizeof record->DPI_INFO), 0);
  EXPECT_EQ(working->Profiles[3].DPI, record->Profiles[3].DPI);
}

TEST(LiveServiceWin, AFileHeldWithoutSharingIsNotTakenForAnEmptyOne) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  auto record = test::randomRecord(22);
  record->LedColor = 4321;
  ASSERT_TRUE(SaveSettings(*record, path));
  const std::string before = test::bytesOf(path);

  // An import of such a file is refused and changes nothing.
  class Host final : public ProfileHost {
   public:
    explicit Host(Text settings) : store(std::move(settings)) {
      store.onSaved([this](bool) { ++saves; });
    }
    SettingsStore& settings() override { return store; }
    void refreshAllPages() override {}
    SettingsStore store;
    int saves = 0;
  } host(dir.file(u"other.ini"));
  SettingsRecord* working = &host.store.working();
  *working = *record;
  auto buffer = std::make_unique<SettingsRecord>();
  {
    Held exclusive(path, 0);
    ASSERT_TRUE(exclusive.ok());
    EXPECT_EQ(reloadSettingsFrom(*working, *buffer, path, kProfileFromFile), SettingsReload::Unreadable);
    EXPECT_EQ(working->LedColor, 4321) << "the working record keeps its values";
    working->LedColor = 1;
    EXPECT_FALSE(SaveSettings(*working, path)) << "no save writes a file it could not read";
    EXPECT_FALSE(ImportProfileFile(host, path));
    EXPECT_EQ(host.saves, 0);
    EXPECT_EQ(working->LedColor, 1);
  }
  EXPECT_EQ(test::bytesOf(path), before);
  EXPECT_EQ(listFiles(dir.folder()), std::vector<Text>{u"Mouse.ini"});
}

// The device service counts clicks by reading the counter and writing it back one higher
// through the profile functions, a click every millisecond or so. Saves beside it, each with a change
// of the user's, must never put back a count it had already raised: every write of its that
// succeeded is in the file at the end.
TEST(LiveServiceWin, SavesBesideAServiceCountingByReadAndWriteBackLoseNoClick) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  const wchar_t* file = reinterpret_cast<const wchar_t*>(path.c_str());
  auto record = test::randomRecord(23);
  record->LeftCount = 0;
  ASSERT_TRUE(SaveSettings(*record, path));
  std::atomic<bool> stop{false};
  std::atomic<int> counted{0};
  std::thread service([&] {
    while (!stop) {
      const UINT now = GetPrivateProfileIntW(L"Setting", L"LeftCount", 0, file);
      if (WritePrivateProfileStringW(L"Setting", L"LeftCount", std::to_wstring(now + 1).c_str(), file)) ++counted;
      Sleep(1);
    }
  });
  int landed = 0;
  for (int i = 0; i < 200; ++i) {
    record->LedColor = 1000 + i;
    if (SaveSettings(*record, path)) ++landed;
  }
  stop = true;
  service.join();
  EXPECT_GT(counted.load(), 200) << "the service kept counting throughout";
  EXPECT_EQ(landed, 200) << "no save starved beside it";
  EXPECT_EQ(fileInt(path, u"LeftCount"), counted.load()) << "every click counted is in the file";
  EXPECT_EQ(listFiles(dir.folder()), std::vector<Text>{u"Mouse.ini"}) << "no journal or temporary file is left";
}

// The save reads the file under its exclusive-write open with one read asked for more than
// the file's length, and writes the merge's text with one write. Files of every length (a
// multiple of the page size or of the read's leeway among them) come back whole, and the
// new text, longer or shorter, replaces them whole with no journal left beside them.
TEST(LiveServiceWin, TheLockedMergeReadsAndWritesFilesOfEveryLengthWhole) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  for (const size_t length : {0u, 1u, 4095u, 4096u, 8192u, 147456u, 1u << 20}) {
    std::string bytes(length, '\0');
    for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>('a' + i % 23);
    ASSERT_TRUE(writeFileBytes(path, bytes));
    std::string seen = "unread";
    EXPECT_EQ(LockedMerge::Unchanged, mergeUnderLock(path, [&](const std::string& now) -> const std::string& {
                seen = now;
                return now;
              }));
    EXPECT_TRUE(seen == bytes) << length << " bytes read as " << seen.size();

    for (const std::string& next : {bytes + "tail", bytes.substr(0, length / 2)}) {
      ASSERT_EQ(LockedMerge::Written,
                mergeUnderLock(path, [&](const std::string&) -> const std::string& { return next; }));
      std::string now;
      ASSERT_TRUE(readFileBytes(path, now));
      EXPECT_TRUE(now == next) << length << " bytes: " << now.size() << " written, " << next.size() << " meant";
    }
    EXPECT_EQ(listFiles(dir.folder()), std::vector<Text>{u"Mouse.ini"});
  }
}

}  // namespace
}  // namespace ko
