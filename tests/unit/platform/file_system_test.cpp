#include "platform/file_system.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace ko {
namespace {

TEST(FileSystem, WholeFilesRoundTripOnNonAsciiPaths) {
  test::TempDir dir;
  const Text path = dir.file(u16("Profil Ærø 日本.prof"));
  const std::string bytes("a\0b\r\n\xFF", 6);
  ASSERT_TRUE(writeFileBytes(path, bytes));
  EXPECT_TRUE(fileExists(path));
  std::string back = "stale";
  ASSERT_TRUE(readFileBytes(path, back));
  EXPECT_EQ(bytes, back);
  ASSERT_TRUE(writeFileBytes(path, "short"));  // truncates
  ASSERT_TRUE(readFileBytes(path, back));
  EXPECT_EQ("short", back);
  ASSERT_TRUE(writeFileBytes(path, ""));
  ASSERT_TRUE(readFileBytes(path, back));
  EXPECT_EQ("", back);
}

TEST(FileSystem, MissingThingsGiveFalseAndCreateNothing) {
  test::TempDir dir;
  const Text missingFolder = dir.file(u"none");
  const Text inMissing = missingFolder + u"/file.ini";
  std::string bytes = "stale";
  EXPECT_FALSE(readFileBytes(inMissing, bytes));
  EXPECT_EQ("", bytes);
  EXPECT_FALSE(writeFileBytes(inMissing, "x"));
  EXPECT_FALSE(fileExists(inMissing));
  EXPECT_FALSE(deleteFile(inMissing));
  EXPECT_FALSE(copyFile(inMissing, dir.file(u"copy")));
  EXPECT_FALSE(directoryExists(missingFolder));
  EXPECT_TRUE(listFiles(missingFolder).empty());
  EXPECT_FALSE(readFileBytes(u"", bytes));
  EXPECT_FALSE(fileExists(u""));
}

TEST(FileSystem, FoldersAreNotFiles) {
  test::TempDir dir;
  std::string bytes;
  EXPECT_TRUE(directoryExists(dir.folder()));
  EXPECT_FALSE(fileExists(dir.folder()));
  EXPECT_FALSE(readFileBytes(dir.folder(), bytes));
  EXPECT_FALSE(writeFileBytes(dir.folder(), "x"));
  EXPECT_FALSE(deleteFile(dir.folder()));
  EXPECT_TRUE(directoryExists(dir.folder()));
}

TEST(FileSystem, FoldersCopiesDeletesAndListing) {
  test::TempDir dir;
  const Text nested = dir.file(u"VX48K2") + u"\\RoduraZoviv\\Macro\\";
  ASSERT_TRUE(createDirectories(nested));
  EXPECT_TRUE(directoryExists(nested));
  EXPECT_TRUE(createDirectories(nested));  // already there
  ASSERT_TRUE(writeFileBytes(nested + u"b.macro", "B"));
  ASSERT_TRUE(writeFileBytes(nested + u"a.macro", "A"));
  ASSERT_TRUE(createDirectories(nested + u"sub"));
  EXPECT_EQ((std::vector<Text>{u"a.macro", u"b.macro"}), listFiles(nested));

  ASSERT_TRUE(copyFile(nested + u"a.macro", nested + u"b.macro"));  // overwrites
  std::string bytes;
  ASSERT_TRUE(readFileBytes(nested + u"b.macro", bytes));
  EXPECT_EQ("A", bytes);
  ASSERT_TRUE(deleteFile(nested + u"a.macro"));
  EXPECT_FALSE(fileExists(nested + u"a.macro"));
  EXPECT_EQ((std::vector<Text>{u"b.macro"}), listFiles(nested));
}

}  // namespace
}  // namespace ko
