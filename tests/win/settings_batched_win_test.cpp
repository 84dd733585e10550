// The batched save, under the Windows build, against the key-by-key save through the
// Windows profile functions themselves: the device service, which reads and writes the
// file with those functions, must see no difference.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include "settings/settings_file.h"
#include "support/file_bytes.h"
#include "support/profile_identity.h"
#include "support/wine_detect.h"
#include "unit/settings/settings_save_samples.h"
#include "support/key_by_key_settings.h"

namespace ko {
namespace {

// sameFilesAfter runs the writes once per backend; the batched save ignores its backend.
test::ProfileWrites saveOf(const SettingsRecord& record) {
  return [&record](ProfileStrings& strings, TextView path) {
    if (&strings == &portableProfileStrings()) EXPECT_TRUE(SaveSettings(record, path));
    else EXPECT_TRUE(SaveSettings(record, path, strings));
  };
}

void expectSameAsWindowsFunctions(bool wineKeptFilesOnly) {
  const auto first = test::randomRecord(21);
  const auto second = test::randomRecord(22);
  for (const auto& start : test::startingFiles()) {
    if (start.wineKeepsIt != wineKeptFilesOnly) continue;
    SCOPED_TRACE(start.what);
    EXPECT_TRUE(test::sameFilesAfter(start.bytes, saveOf(*first), platformProfileStrings(), portableProfileStrings()));
    // A second save over the first one's file: every key replaced in place.
    test::TempDir dir;
    const Text path = dir.file(u"filled.ini");
    ASSERT_TRUE(writeFileBytes(path, start.bytes));
    ASSERT_TRUE(SaveSettings(*first, path, platformProfileStrings()));
    EXPECT_TRUE(test::sameFilesAfter(test::bytesOf(path), saveOf(*second), platformProfileStrings(),
                                     portableProfileStrings()));
  }
}

TEST(BatchedSaveOnWindows, WritesWhatTheProfileFunctionsWriteOverOtherWritersFiles) {
  expectSameAsWindowsFunctions(true);
  SCOPED_TRACE("no file yet");
  EXPECT_TRUE(test::sameFilesAfter(std::nullopt, saveOf(*test::randomRecord(23)), platformProfileStrings(),
                                   portableProfileStrings()));
}

// Comment lines, blank lines and odd spacing: Windows keeps them as they are, and so does
// the batched save (shown natively against the portable engine for every build). Wine's
// functions rewrite such a file as a whole, so the comparison needs Windows itself.
TEST(BatchedSaveOnWindows, KeepsHandEditedFilesAsTheProfileFunctionsDo) {
  if (test::runningUnderWine()) GTEST_SKIP() << "Wine's profile functions drop blank lines and spacing";
  expectSameAsWindowsFunctions(false);
}

TEST(BatchedSaveOnWindows, AReloadEndsWhereTheReloadThroughTheProfileFunctionsEnds) {
  for (const auto& start : test::startingFiles()) {
    if (!start.wineKeepsIt && test::runningUnderWine()) continue;
    SCOPED_TRACE(start.what);
    test::TempDir dir;
    const Text winPath = dir.file(u"win.ini"), batchedPath = dir.file(u"batched.ini");
    ASSERT_TRUE(writeFileBytes(winPath, start.bytes));
    ASSERT_TRUE(writeFileBytes(batchedPath, start.bytes));
    auto winWorking = std::make_unique<SettingsRecord>(), winBuffer = std::make_unique<SettingsRecord>();
    auto working = std::make_unique<SettingsRecord>(), buffer = std::make_unique<SettingsRecord>();
    std::memset(winWorking.get(), 0, sizeof(SettingsRecord));
    std::memset(working.get(), 0, sizeof(SettingsRecord));
    EXPECT_TRUE(reloadSettings(*winWorking, *winBuffer, winPath, kProfileFromFile, platformProfileStrings()));
    EXPECT_TRUE(reloadSettings(*working, *buffer, batchedPath, kProfileFromFile));
    EXPECT_EQ(test::bytesOf(winPath), test::bytesOf(batchedPath));
    EXPECT_EQ(std::memcmp(winWorking.get(), working.get(), sizeof(SettingsRecord)), 0);
  }
}

}  // namespace
}  // namespace ko
