// The crash-safety check of the save on the Windows build: this test program starts itself
// as a saver (the disabled test below, selected by its filter), lets it save two records in
// turn, and ends it with TerminateProcess at a random moment, again and again. After every
// kill, and the next start's look for saves cut short, "Mouse.ini" is one of the two files
// whole.
#include <windows.h>
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include "platform/file_system.h"
#include "settings/settings_file.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "unit/settings/settings_save_samples.h"

namespace ko {
namespace {

constexpr wchar_t kPathVariable[] = L"KOCFG_SAVER_PATH";
constexpr wchar_t kCounterVariable[] = L"KOCFG_SAVER_COUNTER";

std::wstring variable(const wchar_t* name) {
  wchar_t value[1024];
  const DWORD length = GetEnvironmentVariableW(name, value, 1024);
  return length > 0 && length < 1024 ? std::wstring(value, length) : std::wstring();
}

// The saves of every saver together, in a named shared page: the first word counts them.
class SharedCounter {
 public:
  explicit SharedCounter(const std::wstring& name) {
    mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(LONG), name.c_str());
    if (mapping_) count_ = static_cast<volatile LONG*>(MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(LONG)));
  }
  ~SharedCounter() {
    if (count_) UnmapViewOfFile(const_cast<LONG*>(count_));
    if (mapping_) CloseHandle(mapping_);
  }
  SharedCounter(const SharedCounter&) = delete;
  SharedCounter& operator=(const SharedCounter&) = delete;
  bool ok() const { return count_ != nullptr; }
  void add() { InterlockedIncrement(count_); }
  LONG value() const { return *count_; }

 private:
  HANDLE mapping_ = nullptr;
  volatile LONG* count_ = nullptr;
};

// Run only as the child of the test below.
TEST(SaveCrashSaver, DISABLED_SavesUntilKilled) {
  const std::wstring path = variable(kPathVariable);
  if (path.empty()) GTEST_SKIP() << "started by SaveCrashSafetyOnWindows only";
  SharedCounter saves(variable(kCounterVariable));
  ASSERT_TRUE(saves.ok());
  const Text file(reinterpret_cast<const char16_t*>(path.data()), path.size());
  const auto first = test::randomRecord(101);
  const auto second = test::randomRecord(202);
  for (long n = 0;; ++n) {
    SaveSettings(n % 2 ? *second : *first, file);
    saves.add();
  }
}

TEST(SaveCrashSafetyOnWindows, ATerminatedSaverLeavesTheOldFileOrTheNewOneWhole) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  const auto first = test::randomRecord(101);
  const auto second = test::randomRecord(202);
  ASSERT_TRUE(writeFileBytes(path, test::utf16File(test::kOtherWriters)));
  ASSERT_TRUE(SaveSettings(*first, path));
  const std::string firstBytes = test::bytesOf(path);
  ASSERT_TRUE(SaveSettings(*second, path));
  const std::string secondBytes = test::bytesOf(path);
  ASSERT_NE(firstBytes, secondBytes);
  const auto began = std::chrono::steady_clock::now();
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(SaveSettings(i % 2 ? *first : *second, path));
  const long long saveMicros = std::max<long long>(
      1, std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - began).count() / 10);

  const std::wstring counterName = L"kocfg-saver-" + std::to_wstring(GetCurrentProcessId());
  SharedCounter saves(counterName);
  ASSERT_TRUE(saves.ok());
  SetEnvironmentVariableW(kPathVariable, reinterpret_cast<const wchar_t*>(path.c_str()));
  SetEnvironmentVariableW(kCounterVariable, counterName.c_str());
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring commandLine = L"\"" + std::wstring(self) +
                             L"\" --gtest_filter=SaveCrashSaver.DISABLED_SavesUntilKilled --gtest_also_run_disabled_tests";

  std::mt19937 random(99);
  int sawFirst = 0, sawSecond = 0;
  constexpr int kKills = 25;  // a process start under Wine costs far more than a save
  for (int kill = 0; kill < kKills; ++kill) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    // Under Wine a process start has failed once in a full run (the saver itself never ran):
    // a start is tried again before the test gives up, and the reason is reported.
    bool created = false;
    DWORD createError = 0;
    for (int attempt = 0; attempt < 5 && !created; ++attempt) {
      created = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                               nullptr, &startup, &process) != FALSE;
      if (!created) {
        createError = GetLastError();
        Sleep(200);
      }
    }
    ASSERT_TRUE(created) << "the saver could not be started, error " << createError;
    // Wait for this saver's first save, then let it run into a few more.
    const LONG before = saves.value();
    for (int waited = 0; saves.value() == before && waited < 10000; ++waited) {
      if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
    }
    const bool started = saves.value() != before;
    Sleep(static_cast<DWORD>(random() % (6 * saveMicros / 1000 + 2)));
    TerminateProcess(process.hProcess, 9);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ASSERT_TRUE(started) << "the saver never saved";
    // What the next start does first: a write cut short is finished from its journal.
    finishInterruptedSaves(dir.folder());
    removeStrayReplaceFiles(dir.folder());
    const std::string now = test::bytesOf(path);
    if (now == firstBytes) ++sawFirst;
    else if (now == secondBytes) ++sawSecond;
    else FAIL() << "kill " << kill << " left " << now.size() << " bytes that are neither file";
  }
  SetEnvironmentVariableW(kPathVariable, nullptr);
  EXPECT_GT(saves.value(), 2 * kKills);
  EXPECT_GT(sawFirst, 0);
  EXPECT_GT(sawSecond, 0);
  RecordProperty("saves", static_cast<int>(saves.value()));
}

}  // namespace
}  // namespace ko
