// The code-page seam: the same expectations for iconv (native) and MultiByteToWideChar
// (under Wine).
#include <gtest/gtest.h>
#include "platform/code_page.h"

namespace ko {
namespace {

Text decoded(uint32_t codePage, std::string_view bytes) {
  Text out = u"untouched";
  EXPECT_TRUE(decodeCodePage(codePage, bytes, out)) << codePage;
  return out;
}

TEST(CodePageContract, PagesTheProgramMeetsAreSupported) {
  for (uint32_t page : {65001u, 1252u, 1251u, 1250u, 932u, 936u, 949u, 950u, 28591u, 28592u, 20866u, 20127u, 437u, 850u})
    EXPECT_TRUE(isCodePageSupported(page)) << page;
  EXPECT_TRUE(isCodePageSupported(ansiCodePage()));
}

TEST(CodePageContract, Utf16AndNonsensePagesAreNotBytePages) {
  for (uint32_t page : {0u, 1u, 1200u, 1201u, 12000u, 12001u, 99999u}) {
    EXPECT_FALSE(isCodePageSupported(page)) << page;
    Text out = u"x";
    EXPECT_FALSE(decodeCodePage(page, "abc", out)) << page;
    EXPECT_TRUE(out.empty());
  }
}

TEST(CodePageContract, ConvertsEachPageToTheSameCharacters) {
  EXPECT_EQ(decoded(65001, "a\xC3\xA9\xE5\xAE\x8F\xF0\x9F\x96\xB1"), u"a\u00E9\u5B8F\U0001F5B1");
  EXPECT_EQ(decoded(1252, "caf\xE9 \x80"), u"caf\u00E9 \u20AC");
  EXPECT_EQ(decoded(1251, "\xE6\xC0"), u"\u0436\u0410");
  EXPECT_EQ(decoded(932, "\x93\xFA\x96\x7B" "a\xB1"), u"\u65E5\u672Ca\uFF71");
  EXPECT_EQ(decoded(936, "\xD6\xD0\xCE\xC4"), u"\u4E2D\u6587");
  EXPECT_EQ(decoded(949, "\xC7\xD1"), u"\uD55C");
  EXPECT_EQ(decoded(950, "\xA4\xA4"), u"\u4E2D");
  EXPECT_EQ(decoded(28591, "\xE9\xFF"), u"\u00E9\u00FF");
  EXPECT_EQ(decoded(20866, "\xC1"), u"\u0430");
  EXPECT_EQ(decoded(437, "\x82"), u"\u00E9");
}

TEST(CodePageContract, EmptyInputIsAnEmptyText) { EXPECT_EQ(decoded(65001, ""), u""); }

TEST(CodePageContract, NulBytesAreKeptForTheCallerToRemove) {
  EXPECT_EQ(decoded(1252, std::string_view("a\0b", 3)), Text(u"a\0b", 3));
}

TEST(CodePageContract, BadUtf8BytesBecomeReplacementsAndTheRestSurvives) {
  const Text out = decoded(65001, "ab\xE9" "cd\xFF" "ef");
  EXPECT_EQ(out, u"ab\uFFFDcd\uFFFDef");
}

}  // namespace
}  // namespace ko
