#include "platform/ini_values.h"

#include <gtest/gtest.h>

#include <array>
#include "platform/ini_text_codec.h"
#include "support/system_code_page.h"

namespace ko::ini {
namespace {

TEST(IniValues, IntegerParsingFollowsThePlatformConversion) {
  EXPECT_EQ(0, parseInteger(u""));
  EXPECT_EQ(0, parseInteger(u"-"));
  EXPECT_EQ(-5, parseInteger(u"  -5x"));
  EXPECT_EQ(2147483647, parseInteger(u"2147483647"));
  EXPECT_EQ(-2147483647 - 1, parseInteger(u"-2147483648"));
  EXPECT_EQ(-2147483647 - 1, parseInteger(u"2147483648"));  // 32 bits wrap
  EXPECT_EQ(5, parseInteger(u"4294967301"));
  EXPECT_EQ(255, parseInteger(u"0xff"));
  EXPECT_EQ(0, parseInteger(u"0X10"));  // only a lower-case prefix counts
  EXPECT_EQ(5, parseInteger(u"0b101"));
  EXPECT_EQ(15, parseInteger(u"0o17"));
  EXPECT_EQ(1, parseInteger(u"1e5"));
  EXPECT_EQ(0, parseInteger(u"--3"));
}

TEST(IniValues, RecordsRoundTripAndRejectEveryFlaw) {
  std::array<unsigned char, 256> all{};
  for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<unsigned char>(i);
  const Text stored = encodeRecord(all.data(), all.size());
  ASSERT_EQ(514u, stored.size());
  EXPECT_EQ(u"000102", stored.substr(0, 6));
  EXPECT_EQ(u"FEFF80", stored.substr(508));  // sum 0..255 = 0x7F80
  std::array<unsigned char, 256> back{};
  ASSERT_TRUE(decodeRecord(stored, back.data(), back.size()));
  EXPECT_EQ(all, back);

  EXPECT_EQ(u"00", encodeRecord(nullptr, 0));
  EXPECT_TRUE(decodeRecord(u"00", nullptr, 0));
  EXPECT_FALSE(decodeRecord(u"01", nullptr, 0));
  unsigned char one = 7;
  EXPECT_TRUE(decodeRecord(u"abab", &one, 1));  // lower-case digits read
  EXPECT_EQ(0xAB, one);
  one = 7;
  EXPECT_FALSE(decodeRecord(u"AB AB", &one, 1));
  EXPECT_FALSE(decodeRecord(u"ABA", &one, 1));
  EXPECT_FALSE(decodeRecord(u"AB", &one, static_cast<size_t>(-1)));
  EXPECT_FALSE(decodeRecord(u"\uFF21\uFF22AB", &one, 1));  // full-width letters are no digits
  EXPECT_EQ(7, one);
  // The check without the decode agrees with the decode on each of them.
  EXPECT_TRUE(isRecordText(stored, all.size()));
  EXPECT_TRUE(isRecordText(u"abab", 1));
  for (const char16_t* flawed : {u"01", u"AB AB", u"ABA", u"ABAC", u"\uFF21\uFF22AB"}) EXPECT_FALSE(isRecordText(flawed, 1));
}

TEST(IniValues, NamesThatCannotBeReadBackAreNotWritable) {
  EXPECT_TRUE(isWritableSection(u"GROUP1"));
  EXPECT_TRUE(isWritableSection(u"[odd"));
  EXPECT_FALSE(isWritableSection(u"a]b"));
  EXPECT_FALSE(isWritableSection(u"a\nb"));
  EXPECT_TRUE(isWritableKey(u"ButtonAssigned11"));
  EXPECT_FALSE(isWritableKey(u""));
  EXPECT_FALSE(isWritableKey(u"a=b"));
  EXPECT_FALSE(isWritableKey(u"[x]"));
  EXPECT_FALSE(isWritableKey(u";x"));
  EXPECT_FALSE(isWritableKey(u"a\rb"));
  EXPECT_EQ(u"first", singleLineValue(u"first\r\nsecond"));
  EXPECT_EQ(u"a", singleLineValue(Text(u"a\0b", 3)));
}

TEST(IniValues, QuotesGoInOnePairOnly) {
  EXPECT_EQ(u"\"x\"", readableValue(u"\"\"x\"\""));
  EXPECT_EQ(u"\"", readableValue(u"\""));
  EXPECT_EQ(u"x", readableValue(u"'x'"));  // single quotes pair up as the system's functions see them
  EXPECT_EQ(u"'x\"", readableValue(u"'x\""));
  EXPECT_EQ(Text(4095, u'a'), readableValue(u"\"" + Text(5000, u'a') + u"\""));
}

TEST(IniTextCodec, CodePage1252MapsEveryByteToAUnitOfItsOwn) {
  for (int byte = 0; byte < 256; ++byte) {
    unsigned char back = 0;
    EXPECT_TRUE(unitToAnsi(ansiToUnit(static_cast<unsigned char>(byte)), back)) << byte;
    EXPECT_EQ(byte, back) << byte;
  }
  EXPECT_EQ(u'\u20AC', ansiToUnit(0x80));
  EXPECT_EQ(u'\u0178', ansiToUnit(0x9F));
  EXPECT_EQ(u'\u00E9', ansiToUnit(0xE9));
  unsigned char none = 0;
  EXPECT_FALSE(unitToAnsi(u'\u65E5', none));
}

TEST(IniTextCodec, AnsiTextIsInTheSystemCodePage) {
  std::string bytes = "untouched";
  {
    const test::SystemCodePage western(1252);
    if (western.active()) {
      EXPECT_EQ(u"caf\u00E9 \u20AC", decodeAnsi("caf\xE9 \x80"));
      EXPECT_FALSE(encodeAnsi(u"caf\u00E9\u65E5", bytes)) << "no '?' stands in for what the page lacks";
    }
  }
  const test::SystemCodePage chinese(936);
  if (!chinese.active()) GTEST_SKIP() << "the platform's ANSI page is not 936";
  EXPECT_EQ(u"\u5B8F1", decodeAnsi("\xBA\xEA" "1"));
  ASSERT_TRUE(encodeAnsi(u"\u9F20\u6807", bytes));
  EXPECT_EQ("\xCA\xF3\xB1\xEA", bytes);
  EXPECT_FALSE(encodeAnsi(u"\uD55C", bytes)) << "Hangul is not in the Chinese page";
  EXPECT_FALSE(encodeAnsi(u"Stra\u00DFe", bytes)) << "nor a best-fit look-alike";
}

TEST(IniTextCodec, OnlyTheUtf16LittleEndianMarkMeansUtf16) {
  EXPECT_EQ(Encoding::Utf16Le, detectEncoding("\xFF\xFE"));
  EXPECT_EQ(Encoding::Ansi, detectEncoding("\xFE\xFF"));
  EXPECT_EQ(Encoding::Ansi, detectEncoding("\xEF\xBB\xBF[A]"));
  EXPECT_EQ(Encoding::Ansi, detectEncoding("\xFF"));
  EXPECT_EQ(u"A\u20AC", decodeFile(std::string("\xFF\xFE" "A\0\xAC\x20\x33", 7), Encoding::Utf16Le));
}

}  // namespace
}  // namespace ko::ini
