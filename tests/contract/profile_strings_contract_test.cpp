// The behaviour every implementation of the profile-string seam shares: natively the
// portable engine; under Wine the portable engine and the Windows functions. Expected
// bytes are what Windows writes. A few cases skip the platform under Wine, where Wine
// rewrites the whole file on every write and so loses what Windows keeps.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>
#include <string>
#include <vector>
#include "platform/file_system.h"
#include "platform/profile_strings.h"
#include "platform/profile_file.h"
#include "support/file_bytes.h"
#include "support/system_code_page.h"
#include "support/temp_dir.h"
#include "support/wine_detect.h"

namespace ko {
namespace {

using test::bytesOf;
using test::utf16File;
using test::visible;

struct Implementation {
  const char* name;
  ProfileStrings* strings;
  bool isPlatform;
};

void PrintTo(const Implementation& implementation, std::ostream* out) { *out << implementation.name; }

std::vector<Implementation> implementations() {
  std::vector<Implementation> list{{"portable", &portableProfileStrings(), false}};
#ifdef _WIN32
  list.push_back({"platform", &platformProfileStrings(), true});
#endif
  return list;
}

class ProfileStringsContract : public testing::TestWithParam<Implementation> {
 protected:
  ProfileStrings& ini() { return *GetParam().strings; }
  ProfileFile file() { return ProfileFile(path_, ini()); }
  void given(const std::string& bytes) { ASSERT_TRUE(writeFileBytes(path_, bytes)); }
  std::string bytes() const { return bytesOf(path_); }
  // Wine loads the file into a list of keys and writes the list back: blank lines go,
  // blanks around names and values go, every line ends in CRLF.
  bool wineRewritesFile() const { return GetParam().isPlatform && test::runningUnderWine(); }

  test::TempDir dir_;
  Text path_ = dir_.file(u"Test.ini");
};

#define EXPECT_BYTES(expected) EXPECT_EQ(visible(expected), visible(bytes()))
// A string literal with the NUL bytes inside it.
#define RAW_BYTES(literal) std::string(literal, sizeof(literal) - 1)

TEST_P(ProfileStringsContract, MissingFileSectionOrKeyGivesTheFallback) {
  std::array<unsigned char, 4> record{1, 2, 3, 4};
  EXPECT_EQ(u"dflt", file().readString(u"A", u"x", u"dflt"));
  EXPECT_EQ(-7, file().readInt(u"A", u"x", -7));
  EXPECT_FALSE(file().readStruct(u"A", u"x", record.data(), record.size()));

  given("[A]\r\nx=1\r\n");
  EXPECT_EQ(u"dflt", file().readString(u"B", u"x", u"dflt"));
  EXPECT_EQ(u"dflt", file().readString(u"A", u"y", u"dflt"));
  EXPECT_EQ(u"keep  ", file().readString(u"A", u"y", u"keep  "));
  EXPECT_EQ(5, file().readInt(u"A", u"y", 5));
  EXPECT_FALSE(file().readStruct(u"A", u"y", record.data(), record.size()));
  EXPECT_EQ((std::array<unsigned char, 4>{1, 2, 3, 4}), record);
}

TEST_P(ProfileStringsContract, NamesCompareWithoutCaseAndBlanksAroundValuesGo) {
  given("[Setting]\r\nPollingRate=  4  \r\nName=\"  quoted  \"\r\nHalf=\"open\r\nBoth=\"\"\r\nEmpty=\r\n"
        "  Spaced Key   =  v  w  \r\n");
  EXPECT_EQ(u"4", file().readString(u"SETTING", u"pollingrate", u""));
  EXPECT_EQ(u"  quoted  ", file().readString(u"setting", u"NAME", u""));
  EXPECT_EQ(u"\"open", file().readString(u"Setting", u"Half", u""));
  EXPECT_EQ(u"", file().readString(u"Setting", u"Both", u"dflt"));
  EXPECT_EQ(u"", file().readString(u"Setting", u"Empty", u"dflt"));
  EXPECT_EQ(u"v  w", file().readString(u"Setting", u"spaced key", u""));
}

TEST_P(ProfileStringsContract, SingleQuotesGoLikeDoubleOnesWhenTheyPair) {
  given("[Q]\r\nsingle='v'\r\nspaced= ' v w ' \r\nmixed='v\"\r\nalone='\r\ninner=a'b'\r\nnumber='42'\r\n");
  EXPECT_EQ(u"v", file().readString(u"Q", u"single", u""));
  EXPECT_EQ(u" v w ", file().readString(u"Q", u"spaced", u""));
  EXPECT_EQ(u"'v\"", file().readString(u"Q", u"mixed", u""));
  EXPECT_EQ(u"'", file().readString(u"Q", u"alone", u""));
  EXPECT_EQ(u"a'b'", file().readString(u"Q", u"inner", u""));
  EXPECT_EQ(42, file().readInt(u"Q", u"number", 0));
}

TEST_P(ProfileStringsContract, FirstOfRepeatedSectionsAndKeysWins) {
  given("[A]\r\nx=1\r\nx=2\r\n[B]\r\ny=1\r\n[a]\r\nx=3\r\nz=4\r\n");
  EXPECT_EQ(1, file().readInt(u"A", u"x", 0));
  EXPECT_EQ(0, file().readInt(u"A", u"z", 0));  // only the first [A] is looked at
  ASSERT_TRUE(file().writeInt(u"a", u"X", 9));
  EXPECT_BYTES(std::string("[A]\r\nx=9\r\nx=2\r\n[B]\r\ny=1\r\n[a]\r\nx=3\r\nz=4\r\n"));
}

TEST_P(ProfileStringsContract, ValuesAreCutTo4095Units) {
  const std::string longValue(5000, 'v');
  given("[A]\r\nlong=" + longValue + "\r\nnext=ok\r\n");
  EXPECT_EQ(Text(4095, u'v'), file().readString(u"A", u"long", u""));
  EXPECT_EQ(u"ok", file().readString(u"A", u"next", u""));
}

TEST_P(ProfileStringsContract, IntegersTakeSignAndLeadingDigits) {
  given("[N]\r\nneg=-12\r\nplus=+7\r\ntail=12abc\r\nword=abc\r\nempty=\r\nquoted=\"42\"\r\nhex=0x1F\r\n"
        "unset=-1\r\nwrap=4294967295\r\n");
  EXPECT_EQ(-12, file().readInt(u"N", u"neg", 0));
  EXPECT_EQ(7, file().readInt(u"N", u"plus", 0));
  EXPECT_EQ(12, file().readInt(u"N", u"tail", 0));
  EXPECT_EQ(0, file().readInt(u"N", u"word", 99));
  EXPECT_EQ(99, file().readInt(u"N", u"empty", 99));
  EXPECT_EQ(42, file().readInt(u"N", u"quoted", 0));
  EXPECT_EQ(31, file().readInt(u"N", u"hex", 0));
  EXPECT_EQ(-1, file().readInt(u"N", u"unset", 0));
  EXPECT_EQ(-1, file().readInt(u"N", u"wrap", 0));
  ASSERT_TRUE(file().writeInt(u"N", u"written", -2147483647 - 1));
  EXPECT_EQ(u"-2147483648", file().readString(u"N", u"written", u""));
}

TEST_P(ProfileStringsContract, RecordsAreUpperCaseHexWithAChecksum) {
  const std::array<unsigned char, 5> record{0x00, 0xAB, 0x7F, 0xFF, 0x10};
  ASSERT_TRUE(file().writeStruct(u"R", u"rec", record.data(), record.size()));
  const std::array<int32_t, 4> zeros{};
  ASSERT_TRUE(file().writeStruct(u"R", u"zeros", zeros.data(), sizeof zeros));
  EXPECT_EQ(u"00AB7FFF1039", file().readString(u"R", u"rec", u""));  // 0xAB+0x7F+0xFF+0x10 = 0x239
  EXPECT_EQ(Text(34, u'0'), file().readString(u"R", u"zeros", u""));

  std::array<unsigned char, 5> back{};
  ASSERT_TRUE(file().readStruct(u"R", u"rec", back.data(), back.size()));
  EXPECT_EQ(record, back);

  std::vector<unsigned char> big(644);
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<unsigned char>(i * 7);
  ASSERT_TRUE(file().writeStruct(u"R", u"big", big.data(), big.size()));
  EXPECT_EQ(1290u, file().readString(u"R", u"big", u"").size());
  std::vector<unsigned char> bigBack(644);
  ASSERT_TRUE(file().readStruct(u"R", u"big", bigBack.data(), bigBack.size()));
  EXPECT_EQ(big, bigBack);
}

TEST_P(ProfileStringsContract, RecordReadFailsAndLeavesTheBufferOnAnyFlaw) {
  given("[R]\r\nbadsum=00AB7FFF1038\r\nshort=00AB7FFF39\r\nlong=00AB7FFF103900\r\nodd=00AB7FFF10390\r\n"
        "nothex=00AB7FZZ1039\r\nempty=\r\n");
  for (const char16_t* key : {u"badsum", u"short", u"long", u"odd", u"nothex", u"empty", u"absent"}) {
    std::array<unsigned char, 5> buffer{9, 9, 9, 9, 9};
    EXPECT_FALSE(file().readStruct(u"R", key, buffer.data(), buffer.size())) << toUtf8(key);
    EXPECT_EQ((std::array<unsigned char, 5>{9, 9, 9, 9, 9}), buffer) << toUtf8(key);
  }
}

TEST_P(ProfileStringsContract, WriteReplacesTheValueWhereItStands) {
  given("[A]\r\nOne=1\r\nTwo=2\r\nThree=3\r\n[B]\r\nTwo=b\r\n");
  ASSERT_TRUE(file().writeString(u"a", u"TWO", u"22"));
  EXPECT_BYTES(std::string("[A]\r\nOne=1\r\nTwo=22\r\nThree=3\r\n[B]\r\nTwo=b\r\n"));
  ASSERT_TRUE(file().writeString(u"B", u"Two", u""));
  EXPECT_BYTES(std::string("[A]\r\nOne=1\r\nTwo=22\r\nThree=3\r\n[B]\r\nTwo=\r\n"));
}

TEST_P(ProfileStringsContract, NewKeyGoesAfterTheSectionsLastKey) {
  given("[A]\r\nx=1\r\n[B]\r\ny=2\r\n[Empty]\r\n[C]\r\nz=3\r\n");
  ASSERT_TRUE(file().writeString(u"A", u"new", u"n"));
  ASSERT_TRUE(file().writeString(u"EMPTY", u"k", u"v"));
  ASSERT_TRUE(file().writeString(u"C", u"last", u"l"));
  EXPECT_BYTES(std::string("[A]\r\nx=1\r\nnew=n\r\n[B]\r\ny=2\r\n[Empty]\r\nk=v\r\n[C]\r\nz=3\r\nlast=l\r\n"));
}

TEST_P(ProfileStringsContract, NewSectionGoesAtTheEndOfTheFile) {
  given("[A]\r\nx=1");  // no line break after the last line
  ASSERT_TRUE(file().writeString(u"Setting", u"Profile", u"0"));
  ASSERT_TRUE(file().writeString(u"GROUP", u"DPI", u"1"));
  EXPECT_BYTES(std::string("[A]\r\nx=1\r\n[Setting]\r\nProfile=0\r\n[GROUP]\r\nDPI=1\r\n"));
}

TEST_P(ProfileStringsContract, NewKeyStaysAboveTheBlankLinesAndCommentsEndingASection) {
  if (wineRewritesFile()) GTEST_SKIP() << "Wine drops blank lines and appends after comment lines";
  given("[A]\r\nx=1\r\n; about B\r\n\r\n[B]\r\ny=2\r\n\r\n");
  ASSERT_TRUE(file().writeString(u"A", u"z", u"3"));
  ASSERT_TRUE(file().writeString(u"B", u"w", u"4"));
  EXPECT_BYTES(std::string("[A]\r\nx=1\r\nz=3\r\n; about B\r\n\r\n[B]\r\ny=2\r\nw=4\r\n\r\n"));
}

TEST_P(ProfileStringsContract, EveryOtherLineIsKeptByteForByte) {
  if (wineRewritesFile()) GTEST_SKIP() << "Wine rewrites every line in its own spelling";
  const std::string before =
      "written by hand\r\n\r\n;comment\r\n[ Odd ]  \r\n  key  =  spaced  \n\ttabbed=\tvalue\t\r\n"
      "noequals\r\n\r\n\r\n[Setting]\r\nProfile = 1   \r\nTray=1\n[Tail]\r\nlast=1";
  given(before);
  ASSERT_TRUE(file().writeString(u"Setting", u"Profile", u"3"));
  EXPECT_BYTES(std::string("written by hand\r\n\r\n;comment\r\n[ Odd ]  \r\n  key  =  spaced  \n\ttabbed=\tvalue\t\r\n"
                           "noequals\r\n\r\n\r\n[Setting]\r\nProfile = 3\r\nTray=1\n[Tail]\r\nlast=1"));
  EXPECT_EQ(u"spaced", file().readString(u"Odd", u"KEY", u""));
  EXPECT_EQ(u"value", file().readString(u"odd", u"tabbed", u""));
}

TEST_P(ProfileStringsContract, LineFeedOnlyFilesReadAndGrowWithCrLf) {
  given("[A]\nx=1\ny=2\n[B]\nz=3\n");
  EXPECT_EQ(2, file().readInt(u"A", u"y", 0));
  EXPECT_EQ(3, file().readInt(u"B", u"z", 0));
  if (wineRewritesFile()) GTEST_SKIP() << "Wine ends every line it writes in CRLF";
  ASSERT_TRUE(file().writeString(u"A", u"n", u"4"));
  EXPECT_BYTES(std::string("[A]\nx=1\ny=2\nn=4\r\n[B]\nz=3\n"));
}

TEST_P(ProfileStringsContract, Utf16FileIsReadAndWrittenAsUtf16) {
  given(utf16File("[Setting]\r\nName=Ærø 日本\r\n[Other]\r\nk=v\r\n"));
  EXPECT_EQ(u16("Ærø 日本"), file().readString(u"Setting", u"Name", u""));
  ASSERT_TRUE(file().writeString(u"Setting", u"Name", u16("Zoë 😀")));
  ASSERT_TRUE(file().writeString(u"Setting", u"Added", u"1"));
  EXPECT_BYTES(utf16File("[Setting]\r\nName=Zoë 😀\r\nAdded=1\r\n[Other]\r\nk=v\r\n"));
}

TEST_P(ProfileStringsContract, AnsiFileStaysAnsi) {
  given("[A]\r\nx=1\r\n");
  ASSERT_TRUE(file().writeString(u"A", u"y", u"plain"));
  EXPECT_BYTES(std::string("[A]\r\nx=1\r\ny=plain\r\n"));
  const test::SystemCodePage western(1252);
  if (!western.active()) GTEST_SKIP() << "the platform's ANSI page is not 1252";
  given("[A]\r\nname=caf\xE9 \x80\r\n");
  EXPECT_EQ(u"caf\u00E9 \u20AC", file().readString(u"A", u"name", u""));
  ASSERT_TRUE(file().writeString(u"A", u"other", u"na\u00EFve"));
  EXPECT_BYTES(std::string("[A]\r\nname=caf\xE9 \x80\r\nother=na\xEFve\r\n"));
}

TEST_P(ProfileStringsContract, AnsiFileOfAChineseSystemIsInItsCodePage) {
  const test::SystemCodePage chinese(936);
  if (!chinese.active()) GTEST_SKIP() << "the platform's ANSI page is not 936";
  given("[Setting]\r\nProfileName=\xCA\xF3\xB1\xEA\r\n[MACRO_LIST]\r\nMacro1=\xBA\xEA" "1\r\n");
  EXPECT_EQ(u16("鼠标"), file().readString(u"Setting", u"ProfileName", u""));
  EXPECT_EQ(u16("宏1"), file().readString(u"MACRO_LIST", u"Macro1", u""));
  ASSERT_TRUE(file().writeString(u"MACRO_LIST", u"Macro2", u16("宏2")));
  EXPECT_BYTES(std::string("[Setting]\r\nProfileName=\xCA\xF3\xB1\xEA\r\n[MACRO_LIST]\r\nMacro1=\xBA\xEA" "1\r\n"
                           "Macro2=\xBA\xEA" "2\r\n"));
  // Text the page cannot hold turns the file UTF-16LE instead of being written as '?'.
  ASSERT_TRUE(file().writeString(u"Setting", u"ProfileName", u16("한 😀")));
  EXPECT_BYTES(utf16File("[Setting]\r\nProfileName=한 😀\r\n[MACRO_LIST]\r\nMacro1=宏1\r\nMacro2=宏2\r\n"));
  EXPECT_EQ(u16("宏2"), file().readString(u"MACRO_LIST", u"Macro2", u""));
}

TEST_P(ProfileStringsContract, NewFileIsUtf16SoAnyTextSurvives) {
  const Text typed = u16("Ærø — 日本語 😀 Ω");
  ASSERT_TRUE(file().writeString(u"MACRO_LIST", u"Macro1", typed));
  EXPECT_BYTES(utf16File("[MACRO_LIST]\r\nMacro1=Ærø — 日本語 😀 Ω\r\n"));
  EXPECT_EQ(typed, file().readString(u"MACRO_LIST", u"Macro1", u""));
}

TEST_P(ProfileStringsContract, MissingFolderReadsDefaultsAndWritesNothing) {
  const Text folder = dir_.file(u"absent");
  const ProfileFile inMissing(folder + u"/Mouse.ini", ini());
  const unsigned char record[2] = {1, 2};
  unsigned char back[2] = {0, 0};
  EXPECT_EQ(u"d", inMissing.readString(u"A", u"x", u"d"));
  EXPECT_EQ(-1, inMissing.readInt(u"A", u"x", -1));
  EXPECT_FALSE(inMissing.writeString(u"A", u"x", u"1"));
  EXPECT_FALSE(inMissing.writeInt(u"A", u"x", 1));
  EXPECT_FALSE(inMissing.writeStruct(u"A", u"x", record, sizeof record));
  EXPECT_FALSE(inMissing.readStruct(u"A", u"x", back, sizeof back));
  EXPECT_FALSE(directoryExists(folder));
}

TEST_P(ProfileStringsContract, UnwritableNamesAreRefusedAndLineBreaksCannotPlantKeys) {
  given("[Setting]\r\nProfile=1\r\n");
  EXPECT_FALSE(file().writeString(u"Setting", u"a=b", u"1"));
  EXPECT_FALSE(file().writeString(u"Setting", u"two\r\nlines", u"1"));
  EXPECT_FALSE(file().writeString(u"Set]ting", u"k", u"1"));
  EXPECT_FALSE(file().writeString(u"Setting", u"", u"1"));
  EXPECT_BYTES(std::string("[Setting]\r\nProfile=1\r\n"));
  ASSERT_TRUE(file().writeString(u"Setting", u"Name", u"first\r\n[Setting]\r\nProfile=4"));
  EXPECT_BYTES(std::string("[Setting]\r\nProfile=1\r\nName=first\r\n"));
  EXPECT_EQ(1, file().readInt(u"Setting", u"Profile", 0));
}

TEST_P(ProfileStringsContract, DamagedFilesGiveSoundResults) {
  std::mt19937 random(4711);
  std::string noise(4096, '\0');
  for (char& byte : noise) byte = static_cast<char>(random());
  const std::string cases[] = {
      noise,
      RAW_BYTES("[A]\r\nx=1\0\0\0garbage\r\ny=2\r\n"),
      RAW_BYTES("\xFF\xFE[\0A\0]\0\r\0\n\0x\0=\0" "5\0\r\0\n\0\x7F"),  // UTF-16 with an odd byte
      "[A]\r\nx=" + std::string(1 << 20, '7') + "\r\ny=2\r\n",
      std::string(1 << 20, '['),
  };
  for (const std::string& damaged : cases) {
    given(damaged);
    std::array<unsigned char, 4> record{};
    file().readString(u"A", u"x", u"");
    file().readInt(u"A", u"x", 0);
    file().readStruct(u"A", u"x", record.data(), record.size());
    ASSERT_TRUE(file().writeString(u"A", u"written", u"w"));
    EXPECT_EQ(u"w", file().readString(u"A", u"written", u""));
  }
  given(RAW_BYTES("[A]\r\nx=1\0\0\0garbage\r\ny=2\r\n"));
  EXPECT_EQ(u"1", file().readString(u"A", u"x", u""));
  EXPECT_EQ(2, file().readInt(u"A", u"y", 0));
  given(RAW_BYTES("\xFF\xFE[\0A\0]\0\r\0\n\0x\0=\0" "5\0\r\0\n\0\x7F"));
  EXPECT_EQ(5, file().readInt(u"A", u"x", 0));
}

INSTANTIATE_TEST_SUITE_P(Implementations, ProfileStringsContract, testing::ValuesIn(implementations()),
                         [](const testing::TestParamInfo<Implementation>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ko
