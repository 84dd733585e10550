// Reading the settings file while another program rewrites it piece by piece: a read that
// caught the file half-written is never taken, and a quiet file costs no wait.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>
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

// One journey of the rule: a file caught while being written is read until two reads
// agree; a quiet file of any length (a multiple of 4096 bytes included) costs two reads and
// no pause; a file never quiet is taken as last read once the clock says the patience is
// over; a file held by a writer is waited for; a missing one is not.
TEST(SettledRead, ReadsAreTakenWhenTwoInARowAgree) {
  int64_t clock = 0;
  int pauses = 0;
  const auto pause = [&](int ms) { clock += ms, ++pauses; };
  const auto now = [&] { return clock; };
  const auto scripted = [](std::vector<std::pair<OneRead, std::string>> script) {
    auto next = std::make_shared<size_t>(0);
    return [script, next](std::string& bytes) {
      const auto& step = script[std::min(*next, script.size() - 1)];
      ++*next;
      bytes = step.second;
      return step.first;
    };
  };
  std::string bytes;
  // Emptied, half written, then whole: taken once the whole file is read twice.
  ASSERT_TRUE(readSettled(scripted({{OneRead::Read, ""}, {OneRead::Read, kHead}, {OneRead::Read, kHead + kTail},
                                    {OneRead::Read, kHead + kTail}}),
                          bytes, 300, pause, now));
  EXPECT_EQ(bytes, kHead + kTail);

  pauses = 0;
  const std::string aligned(8192, ';');
  ASSERT_TRUE(readSettled(scripted({{OneRead::Read, aligned}}), bytes, 300, pause, now));
  EXPECT_EQ(bytes, aligned);
  EXPECT_EQ(pauses, 0) << "a quiet file is taken at once, whatever its length";

  // Held without sharing for a moment, then readable.
  ASSERT_TRUE(readSettled(scripted({{OneRead::Held, ""}, {OneRead::Held, ""}, {OneRead::Read, kHead}}), bytes, 300,
                          pause, now));
  EXPECT_EQ(bytes, kHead);

  // Never the same twice: the clock, not a count of pauses, ends the wait.
  int reads = 0;
  clock = 0;
  ASSERT_TRUE(readSettled([&](std::string& b) { b = std::to_string(++reads); clock += 7; return OneRead::Read; },
                          bytes, 50, pause, now));
  EXPECT_GE(clock, 50);
  EXPECT_LE(clock, 70);
  EXPECT_EQ(bytes, std::to_string(reads));

  // Emptied by a writer that is still building the new text: not taken while it is so.
  ASSERT_TRUE(readSettled(scripted({{OneRead::Read, ""}, {OneRead::Read, ""}, {OneRead::Read, ""}, {OneRead::Read, kHead},
                                    {OneRead::Read, kHead}}),
                          bytes, 300, pause, now));
  EXPECT_EQ(bytes, kHead);
  clock = 0;
  ASSERT_TRUE(readSettled(scripted({{OneRead::Read, ""}}), bytes, 300, pause, now));
  EXPECT_EQ(bytes, "");
  EXPECT_GE(clock, 30) << "an empty file is taken once it stays empty";

  EXPECT_FALSE(readSettled(scripted({{OneRead::Missing, ""}}), bytes, 300, pause, now));
  EXPECT_FALSE(readSettled(scripted({{OneRead::Held, ""}}), bytes, 20, pause, now)) << "never readable";

  test::TempDir dir;
  ASSERT_TRUE(writeFileBytes(dir.file(u"Mouse.ini"), aligned));
  ASSERT_TRUE(readSettledFileBytes(dir.file(u"Mouse.ini"), bytes));
  EXPECT_EQ(bytes, aligned);
  EXPECT_FALSE(readSettledFileBytes(dir.file(u"absent.ini"), bytes));
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
