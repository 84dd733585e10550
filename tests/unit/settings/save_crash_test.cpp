// A process killed at any moment of a save leaves "Mouse.ini" as it was before that save or
// as the save made it, never a mixture and never cut short. A child process saves two
// records in turn as fast as it can; it is killed after a random delay, again and again.
// (The Windows build runs the same check with CreateProcess and TerminateProcess, in
// tests/win/.)
#ifndef _WIN32
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>
#include "settings/settings_file.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "settings/settings_base.h"
#include "unit/settings/settings_save_samples.h"

namespace ko {
namespace {

TEST(SaveCrashSafety, AKilledSaverLeavesTheOldFileOrTheNewOneWhole) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  const auto first = test::randomRecord(101);
  const auto second = test::randomRecord(202);
  // The two files a save can leave, starting from a file other writers have filled.
  ASSERT_TRUE(writeFileBytes(path, test::utf16File(test::kOtherWriters)));
  ASSERT_TRUE(SaveSettings(*first, path));
  const std::string firstBytes = test::bytesOf(path);
  ASSERT_TRUE(SaveSettings(*second, path));
  const std::string secondBytes = test::bytesOf(path);
  ASSERT_NE(firstBytes, secondBytes);
  // The kills are spread over the next few saves, however fast this build saves, timed as
  // the children save: without a base, so each writes its whole record.
  const auto began = std::chrono::steady_clock::now();
  for (int i = 0; i < 10; ++i) {
    forgetBase(path);
    ASSERT_TRUE(SaveSettings(i % 2 ? *first : *second, path));
  }
  const auto saveMicros = std::max<long long>(
      1, std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - began).count() / 10);

  // Saves done by all the children together, counted in memory shared with them.
  auto* saves = static_cast<std::atomic<long>*>(
      mmap(nullptr, sizeof(std::atomic<long>), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
  ASSERT_NE(saves, MAP_FAILED);
  new (saves) std::atomic<long>(0);

  std::mt19937 random(77);
  int sawFirst = 0, sawSecond = 0;
  constexpr int kKills = 150;
  for (int kill = 0; kill < kKills; ++kill) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(ready[0]);
      // A saver of its own, as a new process starts: it has no base for the file, so it
      // writes its whole record.
      forgetBase(path);
      for (long n = 0;; ++n) {
        SaveSettings(n % 2 ? *second : *first, path);
        saves->fetch_add(1);
        if (n == 0 && write(ready[1], "!", 1) != 1) _exit(1);
      }
    }
    close(ready[1]);
    char signal = 0;
    const bool started = read(ready[0], &signal, 1) == 1;
    close(ready[0]);
    usleep(static_cast<useconds_t>(random() % (6 * saveMicros)));
    ::kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(started);
    const std::string now = test::bytesOf(path);
    if (now == firstBytes) ++sawFirst;
    else if (now == secondBytes) ++sawSecond;
    else FAIL() << "kill " << kill << " left " << now.size() << " bytes that are neither file";
  }
  const long total = saves->load();
  munmap(saves, sizeof(std::atomic<long>));
  // The kills really fell among hundreds of saves, at both kinds of moment.
  EXPECT_GT(total, 2 * kKills);
  EXPECT_GT(sawFirst, 0);
  EXPECT_GT(sawSecond, 0);
  RecordProperty("saves", static_cast<int>(total));
}

}  // namespace
}  // namespace ko
#endif
