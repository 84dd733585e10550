#include <gtest/gtest.h>
#include <string>
#include "platform/code_page.h"
#include "text/charset_table.h"
#include "text/text_encoding.h"

namespace ko {
namespace {

std::string utf16le(TextView text, bool mark) {
  std::string bytes = mark ? std::string("\xFF\xFE") : std::string();
  for (char16_t c : text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  return bytes;
}

std::string utf16be(TextView text, bool mark) {
  std::string bytes = mark ? std::string("\xFE\xFF") : std::string();
  for (char16_t c : text) {
    bytes.push_back(static_cast<char>(c >> 8));
    bytes.push_back(static_cast<char>(c & 0xFF));
  }
  return bytes;
}

bool contains(const Text& text, const char16_t* part) { return text.find(part) != Text::npos; }

TEST(TextEncoding, Utf16MarksInEitherByteOrderGiveTheSameText) {
  const Text original = u"<a>Maus \u00E9\u5B8F \U0001F5B1</a>";
  const DecodedText little = DecodeTextBytes(utf16le(original, true));
  const DecodedText big = DecodeTextBytes(utf16be(original, true));
  EXPECT_EQ(little.text, original);
  EXPECT_EQ(big.text, original);
  EXPECT_TRUE(contains(little.notes, u" BOM +"));
  EXPECT_TRUE(contains(big.notes, u"endian swap "));
  EXPECT_FALSE(contains(little.notes, u"endian swap "));
}

TEST(TextEncoding, Utf16WithoutMarkIsRecognisedByTheOpeningBracket) {
  const Text original = u"<?xml version=\"1.0\"?><a>x</a>";
  EXPECT_EQ(DecodeTextBytes(utf16le(original, false)).text, original);
  EXPECT_EQ(DecodeTextBytes(utf16be(original, false)).text, original);
}

TEST(TextEncoding, Utf8MarkIsDroppedAndTheRestDecoded) {
  const DecodedText decoded = DecodeTextBytes("\xEF\xBB\xBF<a>\xC3\xA9</a>");
  EXPECT_EQ(decoded.text, u"<a>\u00E9</a>");
  EXPECT_EQ(decoded.codePage, kCodePageUtf8);
}

TEST(TextEncoding, UnmarkedValidUtf8IsDetected) {
  const DecodedText decoded = DecodeTextBytes("<a>Gr\xC3\xBC\xC3\x9F \xE5\xAE\x8F</a>");
  EXPECT_EQ(decoded.text, u"<a>Gr\u00FC\u00DF \u5B8F</a>");
  EXPECT_TRUE(contains(decoded.notes, u"(used UTF-8 detection) "));
}

TEST(TextEncoding, ALoneHighByteFallsBackToTheAnsiPage) {
  const DecodedText decoded = DecodeTextBytes("<a>caf\xE9 ok</a>");
  EXPECT_TRUE(contains(decoded.notes, u"ANSI "));
  EXPECT_EQ(decoded.codePage, ansiCodePage());
  Text expected;
  ASSERT_TRUE(decodeCodePage(ansiCodePage(), "<a>caf\xE9 ok</a>", expected));
  EXPECT_EQ(decoded.text, expected);
  if (ansiCodePage() == 1252) {
    EXPECT_EQ(decoded.text, u"<a>caf\u00E9 ok</a>");
  }
}

TEST(TextEncoding, DeclaredEastAsianEncodingsAreHonoured) {
  const DecodedText japanese =
      DecodeTextBytes("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n<a>\x93\xFA\x96\x7B</a>");
  EXPECT_EQ(japanese.codePage, 932u);
  EXPECT_TRUE(contains(japanese.text, u"<a>\u65E5\u672C</a>"));

  const DecodedText chinese = DecodeTextBytes("<?xml version='1.0' encoding='gb2312' ?><a>\xD6\xD0\xCE\xC4</a>");
  EXPECT_EQ(chinese.codePage, 936u);
  EXPECT_TRUE(contains(chinese.text, u"<a>\u4E2D\u6587</a>"));
}

TEST(TextEncoding, HtmlMetaCharsetInsideHeadIsHonoured) {
  const std::string page =
      "<HTML><Head><title>t</title>"
      "<META http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\"></head>"
      "<body>\xE6</body></HTML>";
  EXPECT_EQ(FindDeclaredCharset(page), "windows-1251");
  const DecodedText decoded = DecodeTextBytes(page);
  EXPECT_EQ(decoded.codePage, 1251u);
  EXPECT_TRUE(contains(decoded.text, u"<body>\u0436</body>"));
  // A meta element outside the head says nothing.
  EXPECT_EQ(FindDeclaredCharset("<html><head></head><body><meta http-equiv='Content-Type' "
                                "content='text/html; charset=koi8-r'></body></html>"),
            "");
}

TEST(TextEncoding, ImpossibleOrUnknownDeclarationsFallBackToDetection) {
  // A UTF-16 declaration that could be read byte by byte is wrong about itself.
  const DecodedText wrong = DecodeTextBytes("<?xml version=\"1.0\" encoding=\"UTF-16\"?><a>\xC3\xA9</a>");
  EXPECT_EQ(wrong.codePage, kCodePageUtf8);
  EXPECT_TRUE(contains(wrong.text, u"<a>\u00E9</a>"));
  const DecodedText unknown = DecodeTextBytes("<?xml version=\"1.0\" encoding=\"no-such-set\"?><a/>");
  EXPECT_EQ(unknown.codePage, kCodePageUtf8);
}

TEST(TextEncoding, NulCharactersAreRemovedAndCounted) {
  const DecodedText decoded = DecodeTextBytes(std::string("<a>x\0y\0</a>", 11));
  EXPECT_EQ(decoded.text, u"<a>xy</a>");
  EXPECT_TRUE(contains(decoded.notes, u"(2 nulls removed) "));
  EXPECT_TRUE(contains(decoded.notes, u"to 11 wide chars "));
  EXPECT_TRUE(contains(decoded.notes, u"length 11 "));
}

TEST(TextEncoding, EmptyAndForcedInput) {
  const DecodedText empty = DecodeTextBytes("");
  EXPECT_TRUE(empty.text.empty());
  EXPECT_EQ(empty.notes, u"0 length ");
  const DecodedText forced = DecodeTextBytes("<a>\xC3\xA9</a>", 28591);
  EXPECT_EQ(forced.text, u"<a>\u00C3\u00A9</a>");
  EXPECT_TRUE(contains(forced.notes, u"forced "));
}

TEST(TextEncoding, OddUtf16LengthEndsInAReplacementNotAnOverread) {
  std::string bytes = utf16le(u"<a/>", true);
  bytes.push_back('x');
  EXPECT_EQ(DecodeTextBytes(bytes).text, u"<a/>\uFFFD");
}

TEST(Utf8Check, AcceptsOnlyShortestWellFormedSequences) {
  EXPECT_TRUE(IsValidUtf8("plain"));
  EXPECT_TRUE(IsValidUtf8("\xC3\xA9\xE5\xAE\x8F\xF0\x9F\x96\xB1\xF4\x8F\xBF\xBF"));
  EXPECT_FALSE(IsValidUtf8("\xE9"));                  // Latin-1 e acute
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));              // overlong "/"
  EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));          // overlong, three bytes
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));          // surrogate
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));      // beyond U+10FFFF
  EXPECT_FALSE(IsValidUtf8("ab\xE5\xAE"));            // cut short at the end
  EXPECT_FALSE(IsValidUtf8("\xC3" "a"));              // bad continuation
}

TEST(CharsetTable, KnowsTheCommonNamesWithoutRegardToCase) {
  EXPECT_GE(CharsetNameCount(), 300u);
  EXPECT_EQ(CodePageOfCharset(u"utf-8"), 65001u);
  EXPECT_EQ(CodePageOfCharset(u"UTF-16"), 1200u);
  EXPECT_EQ(CodePageOfCharset(u"unicodeFFFE"), 1201u);
  EXPECT_EQ(CodePageOfCharset(u"GB2312"), 936u);
  EXPECT_EQ(CodePageOfCharset(u"big5"), 950u);
  EXPECT_EQ(CodePageOfCharset(u"shift-jis"), 932u);
  EXPECT_EQ(CodePageOfCharset(u"euc-jp"), 51932u);
  EXPECT_EQ(CodePageOfCharset(u"ks_c_5601-1987"), 949u);
  EXPECT_EQ(CodePageOfCharset(u" Windows-1252 "), 1252u);
  EXPECT_EQ(CodePageOfCharset(u"iso-8859-1"), 28591u);
  EXPECT_EQ(CodePageOfCharset(u"koi8-r"), 20866u);
  EXPECT_EQ(CodePageOfCharset(u"us-ascii"), 20127u);
  EXPECT_EQ(CodePageOfCharset(u"utf-8x"), 0u);
  EXPECT_EQ(CodePageOfCharset(u"utf"), 0u);
  EXPECT_EQ(CodePageOfCharset(u""), 0u);
}

}  // namespace
}  // namespace ko
