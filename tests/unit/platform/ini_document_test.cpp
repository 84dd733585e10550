#include "platform/ini_document.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <random>
#include <string>
#include "support/file_bytes.h"
#include "support/system_code_page.h"

namespace ko::ini {
namespace {

TEST(IniDocument, UnchangedDocumentRendersTheSameBytes) {
  std::mt19937 random(17);
  for (int round = 0; round < 50; ++round) {
    std::string bytes(static_cast<size_t>(random() % 600), '\0');
    for (char& byte : bytes) byte = "[]=;\r\n \tab\0\x80\xE9\xFF"[random() % 14];
    if (round % 2) bytes.insert(0, "\xFF\xFE");
    const Document document = Document::fromBytes(bytes);
    std::string expected = bytes;
    // A UTF-16LE file drops a trailing half unit; nothing else changes.
    if (document.encoding() == Encoding::Utf16Le && expected.size() % 2) expected.pop_back();
    EXPECT_EQ(test::visible(expected), test::visible(document.toBytes())) << "round " << round;
  }
}

TEST(IniDocument, ManyChangesOnOneLoadMatchOneChangePerLoad) {
  const std::string start = "; kept\r\n[Setting]\r\nLeftCount=10\r\nFromService=1\r\n\r\n[GROUP]\r\nName=Mine\r\n";
  Document batched = Document::fromBytes(start);
  std::string oneByOne = start;
  const auto apply = [](Document& document, int i) {
    document.writeInt(u"Setting", u"Profile", i);
    document.writeInt(u"GROUP" + decimal(i % 3), u"DPI", i);
    const unsigned char record[3] = {static_cast<unsigned char>(i), 2, 3};
    document.writeStruct(u"GROUP", u"ButtonAssigned" + decimal(i % 4), record, sizeof record);
  };
  for (int i = 0; i < 12; ++i) {
    apply(batched, i);
    Document single = Document::fromBytes(oneByOne);
    apply(single, i);
    oneByOne = single.toBytes();
  }
  EXPECT_EQ(oneByOne, batched.toBytes());
  EXPECT_EQ(11, batched.readInt(u"setting", u"profile", 0));
  EXPECT_EQ(10, batched.readInt(u"Setting", u"LeftCount", 0));
  EXPECT_EQ(u"Mine", batched.readString(u"GROUP", u"Name", u""));
  EXPECT_EQ(0u, batched.toBytes().find("; kept\r\n[Setting]\r\nLeftCount=10\r\nFromService=1\r\nProfile=11\r\n\r\n[GROUP]"));
}

TEST(IniDocument, NewDocumentIsUtf16AndRendersEmptyUntilWritten) {
  Document document;
  EXPECT_EQ(Encoding::Utf16Le, document.encoding());
  EXPECT_EQ(std::string("\xFF\xFE"), document.toBytes());
  EXPECT_FALSE(document.storedValue(u"A", u"x").has_value());
  ASSERT_TRUE(document.writeString(u"A", u"x", u"1"));
  EXPECT_EQ(test::utf16File("[A]\r\nx=1\r\n"), document.toBytes());
}

TEST(IniDocument, AnsiFileOfAChineseSystemKeepsItsTextAndTurnsUtf16OnlyForWhatItCannotHold) {
  const test::SystemCodePage chinese(936);
  if (!chinese.active()) GTEST_SKIP() << "the platform's ANSI page is not 936";
  // As the device service makes the file: ANSI, in the system's page. The last line holds
  // a byte the page does not define.
  Document document = Document::fromBytes("[Setting]\r\nProfileName=\xCA\xF3\xB1\xEA\r\n[MACRO_LIST]\r\nodd=a\xFF\r\n");
  EXPECT_EQ(u"\u9F20\u6807", document.readString(u"Setting", u"ProfileName", u""));

  ASSERT_TRUE(document.writeString(u"MACRO_LIST", u"Macro1", u"\u5B8F1"));
  ASSERT_TRUE(document.writeString(u"\u5B8F", u"\u540D", u"x"));
  EXPECT_EQ(Encoding::Ansi, document.encoding());
  EXPECT_EQ(test::visible("[Setting]\r\nProfileName=\xCA\xF3\xB1\xEA\r\n[MACRO_LIST]\r\nodd=a\xFF\r\n"
                          "Macro1=\xBA\xEA" "1\r\n[\xBA\xEA]\r\n\xC3\xFB=x\r\n"),
            test::visible(document.toBytes()));

  // Hangul is not in the page: the file turns UTF-16LE, and every text in it survives.
  ASSERT_TRUE(document.writeString(u"Setting", u"ProfileName", u"\uD55C"));
  EXPECT_EQ(Encoding::Utf16Le, document.encoding());
  const Document reloaded = Document::fromBytes(document.toBytes());
  EXPECT_EQ(u"\uD55C", reloaded.readString(u"Setting", u"ProfileName", u""));
  EXPECT_EQ(u"\u5B8F1", reloaded.readString(u"MACRO_LIST", u"Macro1", u""));
  EXPECT_EQ(u"x", reloaded.readString(u"\u5B8F", u"\u540D", u""));
  EXPECT_EQ(Text::npos, document.toText().find(u'?'));
}

TEST(IniDocument, AnsiFileOfAWesternSystemTurnsUtf16RatherThanWriteQuestionMarks) {
  const test::SystemCodePage western(1252);
  if (!western.active()) GTEST_SKIP() << "the platform's ANSI page is not 1252";
  Document document = Document::fromBytes("[A]\r\nname=caf\xE9\r\n");
  ASSERT_TRUE(document.writeString(u"A", u"other", u"na\u00EFve"));
  EXPECT_EQ("[A]\r\nname=caf\xE9\r\nother=na\xEFve\r\n", document.toBytes());
  ASSERT_TRUE(document.writeString(u"A", u"macro", u"\u5B8F1"));
  EXPECT_EQ(test::utf16File("[A]\r\nname=café\r\nother=naïve\r\nmacro=宏1\r\n"),
            document.toBytes());
}

TEST(IniDocument, ReadsKeepTheStoredValueApartFromWhatAReadReturns) {
  static const char16_t kText[] = u"[A]\r\nq = \"  x  \"  \r\nnul=ab\0cd\r\n";
  const Document document = Document::fromText(TextView(kText, std::size(kText) - 1), Encoding::Ansi);
  EXPECT_EQ(u"\"  x  \"", document.storedValue(u"A", u"q").value());
  EXPECT_EQ(u"  x  ", document.readString(u"A", u"q", u""));
  EXPECT_EQ(u"ab", document.readString(u"A", u"nul", u""));
}

TEST(IniDocument, CallerNamesAreTrimmedAndCutAtNul) {
  Document document = Document::fromBytes("[Setting]\r\nDPI=2\r\n");
  EXPECT_EQ(2, document.readInt(u"  Setting ", Text(u"DPI\0junk", 8), 0));
  ASSERT_TRUE(document.writeInt(u" Setting", u" DPI ", 3));
  EXPECT_EQ("[Setting]\r\nDPI=3\r\n", document.toBytes());
}

TEST(IniDocument, SectionHeaderRunsToTheLastClosingBracket) {
  const Document document = Document::fromBytes("[a]b]\r\nk=1\r\n[open\r\nk=2\r\n");
  EXPECT_EQ(1, document.readInt(u"a]b", u"k", 0));
  // "[open" lacks its bracket, so it opens no section: the second k is still in [a]b].
  EXPECT_EQ(0, document.readInt(u"open", u"k", 0));
}

// A loaded document's lines stay part of the text it was read from until one is written,
// and its sections are found through an index that lines added anywhere must move. Every
// step of a batch of edits must read and render as the same edits on a document parsed
// afresh from the bytes before it, copies must not share their lines, and the file keeps
// its duplicate section, spacing and last line without a break.
TEST(IniDocument, EditsReadAndRenderAsOnAFreshParseAfterEveryStep) {
  const std::string start = test::utf16File(
      "[Setting]\r\nDPI=1\r\n\r\n[ GROUP1 ]\r\nName = one\r\n; note\r\n[GROUP2]\r\nDPI=2\r\n"
      "[Setting]\r\nDPI=99\r\n[GROUP3]\nx=3");
  Document document = Document::fromBytes(start);
  const Document untouched = document;
  const std::vector<std::function<void(Document&)>> edits = {
      [](Document& d) { d.writeString(u"GROUP1", u"Added", u"a"); },        // a line in the middle
      [](Document& d) { d.writeString(u"GROUP2", u"DPI", u"22"); },         // a header moved down
      [](Document& d) { d.writeString(u"New", u"k", u"v"); },               // a section at the end
      [](Document& d) { d.writeString(u"Setting", u"Profile", u"4"); },     // the first of two
      [](Document& d) { d.writeString(u"GROUP3", u"x", u"33"); },           // the last line
      [](Document& d) { d.writeString(u"group2", u"Second", u"s"); },
      [](Document& d) { d.writeString(u"New", u"k", u"vv"); },
  };
  for (size_t step = 0; step < edits.size(); ++step) {
    Document fresh = Document::fromBytes(document.toBytes());
    edits[step](document);
    edits[step](fresh);
    ASSERT_EQ(test::visible(fresh.toBytes()), test::visible(document.toBytes())) << "step " << step;
    for (const char16_t* section : {u"Setting", u"GROUP1", u"GROUP2", u"GROUP3", u"New"})
      for (const char16_t* key : {u"DPI", u"Name", u"Added", u"Second", u"Profile", u"x", u"k"})
        EXPECT_TRUE(fresh.storedValue(section, key) == document.storedValue(section, key)) << "step " << step;
  }
  EXPECT_EQ(test::utf16File("[Setting]\r\nDPI=1\r\nProfile=4\r\n\r\n[ GROUP1 ]\r\nName = one\r\nAdded=a\r\n"
                            "; note\r\n[GROUP2]\r\nDPI=22\r\nSecond=s\r\n[Setting]\r\nDPI=99\r\n[GROUP3]\nx=33\r\n"
                            "[New]\r\nk=vv\r\n"),
            document.toBytes());
  EXPECT_EQ(start, untouched.toBytes());
  EXPECT_EQ(u"one", untouched.readString(u"GROUP1", u"Name", u""));
  EXPECT_EQ(1, untouched.readInt(u"Setting", u"DPI", 0));
}

}  // namespace
}  // namespace ko::ini
