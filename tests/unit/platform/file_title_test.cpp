// File titles: what a picked file's name becomes (a profile name, a macro name).
#include <gtest/gtest.h>
#include "platform/file_title.h"

namespace ko {
namespace {

TEST(FileTitle, DropsTheFolderAndOnlyTheLastExtension) {
  EXPECT_EQ(fileTitleOf(u"C:\\Users\\me\\Games\\Fast.prof"), u"Fast");
  EXPECT_EQ(fileTitleOf(u"Z:/tmp/a.b.macro"), u"a.b");
  EXPECT_EQ(fileTitleOf(u"C:\\mixed/sep\\Fire"), u"Fire");
  EXPECT_EQ(fileTitleOf(u".hidden"), u".hidden");  // a leading dot starts the name
  EXPECT_EQ(fileTitleOf(u"C:\\folder.d\\plain"), u"plain");
  EXPECT_EQ(fileTitleOf(u"C:\\"), u"");
  EXPECT_EQ(fileTitleOf(u""), u"");
}

}  // namespace
}  // namespace ko
