// Reading the settings file while another program rewrites it piece by piece: a read that
// caught the file half-written is never taken, and a quiet file costs no wait.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include "platform/file_stamp.h"
#include "platform/file_system.h"
#include "platform/ini_document.h"
#include "platform/settled_read.h"
#include "support/temp_dir.h"

namespace ko {
namespace {

namespace fs = std::filesystem;

const std::string kHead = "[Setting]\r\nDPI=2\r\n";
const std::string kTail = "[GROUP]\r\nProfileName=Work\r\n[MACRO_LIST]\r\n0=Burst\r\n";

void ageFile(const fs::path& path) {
  fs::last_write_time(path, fs::last_write_time(path) - std::chrono::minutes(5));
}

TEST(SettledRead, AFileStillBeingWrittenIsReadAgainOnceTheWriterIsDone) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  // The writer has emptied the file and put back its first section just now.
  ASSERT_TRUE(writeFileBytes(path, kHead));
  int pauses = 0;
  std::string bytes;
  ASSERT_TRUE(readSettledFileBytes(path, bytes, 300, [&](int) {
    // ...and writes the rest while the reader waits.
    if (++pauses == 1) {
      ASSERT_TRUE(writeFileBytes(path, kHead + kTail));
    }
  }));
  EXPECT_EQ(bytes, kHead + kTail);
  EXPECT_GE(pauses, 1);

  // Read again unchanged, still recent: it is the file already found settled.
  int againPauses = 0;
  ASSERT_TRUE(readSettledFileBytes(path, bytes, 300, [&](int) { ++againPauses; }));
  EXPECT_EQ(bytes, kHead + kTail);
  EXPECT_EQ(againPauses, 0);
}

TEST(SettledRead, AQuietFileIsReadAtOnceAndAFileNeverQuietWithinThePatienceAsLastRead) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  ASSERT_TRUE(writeFileBytes(path, kHead + kTail));
  ageFile(dir.fsFile(u"Mouse.ini"));
  int pauses = 0;
  std::string bytes;
  ASSERT_TRUE(readSettledFileBytes(path, bytes, 300, [&](int) { ++pauses; }));
  EXPECT_EQ(bytes, kHead + kTail);
  EXPECT_EQ(pauses, 0) << "nobody wrote it lately: no wait";

  // Rewritten with a new length at every look: the reader gives up after its patience.
  ASSERT_TRUE(writeFileBytes(path, kHead));
  int waited = 0;
  ASSERT_TRUE(readSettledFileBytes(path, bytes, 20, [&](int ms) {
    waited += ms;
    ASSERT_TRUE(writeFileBytes(path, kHead + std::string(static_cast<size_t>(waited), ';') + "\r\n"));
  }));
  EXPECT_GE(waited, 20);
  EXPECT_LE(waited, 40);
  EXPECT_EQ(bytes.substr(0, kHead.size()), kHead);

  EXPECT_FALSE(readSettledFileBytes(dir.file(u"absent.ini"), bytes, 300, [](int) {}));
}

TEST(SettledRead, TheStampFollowsEveryWrite) {
  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  FileStamp missing;
  EXPECT_FALSE(readFileStamp(path, missing));
  EXPECT_FALSE(readFileStamp(dir.folder(), missing)) << "a folder has no stamp";
  ASSERT_TRUE(writeFileBytes(path, kHead));
  FileStamp first;
  ASSERT_TRUE(readFileStamp(path, first));
  EXPECT_EQ(first.size, kHead.size());
  const int64_t age = currentFileTime() - first.writeTime;
  EXPECT_GT(age, -10 * 10000000LL);
  EXPECT_LT(age, 60 * 10000000LL) << "stamp and clock count from the same start, in the same units";
  ageFile(dir.fsFile(u"Mouse.ini"));
  FileStamp aged;
  ASSERT_TRUE(readFileStamp(path, aged));
  EXPECT_NE(aged, first);
  EXPECT_EQ(aged.size, first.size);
}

// The in-place write (beside a reader that keeps the file open) first writes the new
// contents padded to the old length, then cuts: a reader in between must find the new
// settings and nothing of the old file's tail.
TEST(SettledRead, PaddingForTheInPlaceWriteKeepsTheNewContentsAndHidesTheOldTail) {
  const std::string shorter = "[Setting]\r\nDPI=3\r\n";
  const std::string padded = paddedToLength(shorter, (kHead + kTail).size());
  EXPECT_EQ(padded.size(), (kHead + kTail).size());
  EXPECT_EQ(padded.substr(0, shorter.size()), shorter);
  const ini::Document read = ini::Document::fromBytes(padded);
  EXPECT_EQ(read.readInt(u"Setting", u"DPI", -1), 3);
  EXPECT_EQ(read.readString(u"GROUP", u"ProfileName", u"none"), u"none");
  EXPECT_EQ(paddedToLength(kHead + kTail, 3), kHead + kTail) << "a longer file needs no padding";

  // UTF-16: whole line-end units, so the padded text reads the same.
  std::string wide("\xFF\xFE", 2);
  for (char c : shorter) wide += std::string{c, '\0'};
  const std::string widePadded = paddedToLength(wide, wide.size() + 9);
  EXPECT_GE(widePadded.size(), wide.size() + 9);
  EXPECT_EQ(ini::Document::fromBytes(widePadded).readInt(u"Setting", u"DPI", -1), 3);

  test::TempDir dir;
  const Text path = dir.file(u"Mouse.ini");
  ASSERT_TRUE(writeFileBytes(path, kHead + kTail));
  ASSERT_TRUE(overwriteInPlace(path, shorter));
  std::string bytes;
  ASSERT_TRUE(readFileBytes(path, bytes));
  EXPECT_EQ(bytes, shorter) << "the padding is cut away at the end";
}

}  // namespace
}  // namespace ko
