#include <gtest/gtest.h>
#include "platform/wide_text.h"

namespace ko {

TEST(WideText, Utf8RoundTripKeepsAstralAndCjk) {
  Text t = u16("Maus \xE5\xAE\x8F \xF0\x9F\x96\xB1");
  EXPECT_EQ(t, Text(u"Maus 宏 \U0001F5B1"));
  EXPECT_EQ(toUtf8(t), "Maus \xE5\xAE\x8F \xF0\x9F\x96\xB1");
}

TEST(WideText, BrokenUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(u16("a\xE9" "b"), Text(u"a\uFFFDb"));
  EXPECT_EQ(u16("\xE5\xAE"), Text(u"\uFFFD\uFFFD"));
}

TEST(WideText, DecimalCoversTheWholeRange) {
  EXPECT_EQ(decimal(-1), u"-1");
  EXPECT_EQ(decimal(0), u"0");
  EXPECT_EQ(decimal(INT32_MIN), u"-2147483648");
  EXPECT_EQ(decimal(INT32_MAX), u"2147483647");
}

TEST(WideText, CopyToBufferCutsAndTerminates) {
  char16_t buf[4] = {u'x', u'x', u'x', u'x'};
  copyToBuffer(u"abcdef", buf, 4);
  EXPECT_EQ(Text(buf, 3), u"abc");
  EXPECT_EQ(buf[3], 0);
  EXPECT_EQ(boundedLength(buf, 4), 3u);
}

}  // namespace ko
