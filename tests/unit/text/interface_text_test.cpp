#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <string>
#include "support/temp_dir.h"
#include "text/interface_text.h"
#include "text/text_keys.h"
#include "text/xml_document.h"

namespace ko {
namespace {

class InterfaceTextTest : public ::testing::Test {
 protected:
  Text write(const std::string& bytes, const char16_t* name = u"Strings.xml") {
    std::ofstream(dir_.fsFile(name), std::ios::binary) << bytes;
    return dir_.file(name);
  }
  test::TempDir dir_;
};

TEST_F(InterfaceTextTest, SectionAndKeyBelowTheRoot) {
  const Text file = write("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<L><MAIN><FONT>Tahoma</FONT></MAIN>"
                          "<BUTTONPAGE><CLICK>Left Click</CLICK></BUTTONPAGE></L>");
  EXPECT_EQ(GetXmlText(file, u"MAIN", u"FONT"), u"Tahoma");
  EXPECT_EQ(GetXmlText(file, u"BUTTONPAGE", u"CLICK"), u"Left Click");
  EXPECT_EQ(GetXmlText(file, u"BUTTONPAGE", u"FONT"), u"");
  EXPECT_EQ(GetXmlText(file, u"NOSECTION", u"CLICK"), u"");
  EXPECT_EQ(GetXmlText(file, u"BUTTONPAGE", u"click"), u"");
}

TEST_F(InterfaceTextTest, AKeyDeeperInsideAnotherElementIsNotFound) {
  const Text file = write("<L><MAIN><GROUP><FONT>Tahoma</FONT></GROUP></MAIN></L>");
  EXPECT_EQ(GetXmlText(file, u"MAIN", u"FONT"), u"");
}

TEST_F(InterfaceTextTest, NestedSectionsOfTheSameNameAreSearchedDownwards) {
  const Text file = write("<L><MAIN><MAIN><X/><MAIN><FONT>Tahoma</FONT></MAIN></MAIN></MAIN></L>");
  EXPECT_EQ(GetXmlText(file, u"MAIN", u"FONT"), u"Tahoma");
}

TEST_F(InterfaceTextTest, OnlyTheFirstOfTwoSectionsIsSearched) {
  const Text file = write("<L><BUTTONPAGE><MENU>Right</MENU></BUTTONPAGE>"
                          "<BUTTONPAGE><CLICK>Left</CLICK></BUTTONPAGE></L>");
  EXPECT_EQ(GetXmlText(file, u"BUTTONPAGE", u"MENU"), u"Right");
  EXPECT_EQ(GetXmlText(file, u"BUTTONPAGE", u"CLICK"), u"");
}

TEST_F(InterfaceTextTest, AMalformedOrMissingFileGivesEmptyTexts) {
  const Text twoRoots = write("<L><MAIN><FONT>Tahoma</FONT></MAIN></L><M/>");
  EXPECT_EQ(GetXmlText(twoRoots, u"MAIN", u"FONT"), u"");
  const Text broken = write("<L><MAIN><FONT>Tahoma</FONT></MAIN>", u"Broken.xml");
  EXPECT_EQ(GetXmlText(broken, u"MAIN", u"FONT"), u"");
  EXPECT_EQ(GetXmlText(dir_.file(u"Missing.xml"), u"MAIN", u"FONT"), u"");
}

TEST_F(InterfaceTextTest, EachLookupReadsTheFileAgain) {
  const Text file = write("<L><S><K>one</K></S></L>");
  EXPECT_EQ(GetXmlText(file, u"S", u"K"), u"one");
  write("<L><S><K>two</K></S></L>");
  EXPECT_EQ(GetXmlText(file, u"S", u"K"), u"two");
}

TEST_F(InterfaceTextTest, LanguageFileInUtf16IsReadLikeUtf8) {
  const std::u16string xml = u"<L><BUTTONPAGE><CLICK>Linksklick \u00E4</CLICK></BUTTONPAGE></L>";
  std::string bytes = "\xFF\xFE";
  for (char16_t c : xml) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  EXPECT_EQ(GetXmlText(write(bytes), u"BUTTONPAGE", u"CLICK"), u"Linksklick \u00E4");
}

TEST_F(InterfaceTextTest, AProgramFolderWithNonAsciiLettersIsReadable) {
  std::filesystem::create_directory(dir_.fsFile(u"Programme \u00FC\u5B8F"));
  const Text file = write("<L><MAIN><FONT>Tahoma</FONT></MAIN></L>", u"Programme \u00FC\u5B8F/Strings.xml");
  EXPECT_EQ(GetXmlText(file, u"MAIN", u"FONT"), u"Tahoma");
}

TEST_F(InterfaceTextTest, FaceNameIsTrimmedAndRefusedWhenTooLongForAFont) {
  LoadFaceName(write("<L><MAIN><FONT>\n  Segoe UI \n</FONT></MAIN></L>"));
  EXPECT_EQ(Text(FaceName()), u"Segoe UI");
  LoadFaceName(write("<L><MAIN><FONT>" + std::string(kMaxFaceNameUnits, 'x') + "</FONT></MAIN></L>"));
  EXPECT_EQ(Text(FaceName()).size(), kMaxFaceNameUnits);
  LoadFaceName(write("<L><MAIN><FONT>" + std::string(kMaxFaceNameUnits + 1, 'x') + "</FONT></MAIN></L>"));
  EXPECT_EQ(Text(FaceName()), u"");
  LoadFaceName(dir_.file(u"Missing.xml"));
  EXPECT_EQ(Text(FaceName()), u"");
}

TEST(ProgramFolder, IsTheExecutableFolderWithItsBackslash) {
  SetProgramFolderFromModulePath(u"C:\\Program Files\\VX48K2\\Kocfg.exe");
  EXPECT_EQ(Text(ProgramFolder()), u"C:\\Program Files\\VX48K2\\");
  EXPECT_EQ(LanguageFilePath(ProgramFolder()), u"C:\\Program Files\\VX48K2\\Strings.xml");
  // A folder the buffer cannot hold is not cut into some other folder.
  SetProgramFolderFromModulePath(u"C:\\" + Text(300, u'a') + u"\\Kocfg.exe");
  EXPECT_EQ(Text(ProgramFolder()), u"");
  SetProgramFolderFromModulePath(u"C:\\" + Text(kGlobalTextUnits - 5, u'a') + u"\\Kocfg.exe");
  EXPECT_EQ(Text(ProgramFolder()).size(), kGlobalTextUnits - 1);
}

// A program installed deeper than the buffer reaches still finds its files through the
// folder's short form; without one that fits it keeps nothing rather than a cut path.
TEST(ProgramFolder, ALongFolderIsReplacedByItsShortFormWhenThatFits) {
  const Text deep = u"C:\\" + Text(300, u'a') + u"\\";
  Text asked;
  SetProgramFolderFromModulePath(deep + u"Kocfg.exe", [&](const Text& folder) {
    asked = folder;
    return Text(u"C:\\AAAAAA~1\\");
  });
  EXPECT_EQ(asked, deep);
  EXPECT_EQ(Text(ProgramFolder()), u"C:\\AAAAAA~1\\");
  SetProgramFolderFromModulePath(deep + u"Kocfg.exe", [](const Text&) { return Text(400, u'b'); });
  EXPECT_EQ(Text(ProgramFolder()), u"");
  // A folder that fits is taken as it is, never shortened.
  SetProgramFolderFromModulePath(u"C:\\Long Name\\Kocfg.exe", [](const Text&) { return Text(u"C:\\LONGNA~1\\"); });
  EXPECT_EQ(Text(ProgramFolder()), u"C:\\Long Name\\");
}

// The language file the program ships: well formed, UTF-8 with its declaration, the face
// name, and a text for every key the program looks up.
TEST(ShippedLanguageFile, HasATextForEveryKeyTheProgramUses) {
  const Text file = test::sourceFile("assets/Strings.xml");
  XmlDocument document;
  ASSERT_TRUE(document.load(file)) << toUtf8(document.diagnostic());
  EXPECT_EQ(document.text().rfind(u"<?xml version=\"1.0\" encoding=\"utf-8\"?>", 0), 0u);
  EXPECT_EQ(GetXmlText(file, u"MAIN", u"FONT"), u"Tahoma");
  for (const char16_t* key : kInterfaceTextKeys) {
    const Text text = GetXmlText(file, kButtonPageSection, key);
    EXPECT_FALSE(text.empty()) << toUtf8(key);
    // Menu items and labels are single lines short enough for their controls.
    if (Text(key).rfind(u"WARN", 0) != 0) {
      EXPECT_LE(text.size(), 22u) << toUtf8(key);
    }
    EXPECT_EQ(text.find(u'\n'), Text::npos) << toUtf8(key);
  }
  // The two texts that become file names must be usable as such.
  for (const char16_t* key : {u"NEWMACRO", u"MACRO"})
    EXPECT_EQ(GetXmlText(file, kButtonPageSection, key).find_first_of(u"\\/:*?\"<>| "), Text::npos);
}

TEST(ShippedLanguageFile, KeyListHasNoDuplicates) {
  for (size_t i = 0; i < kInterfaceTextKeyCount; ++i)
    for (size_t j = i + 1; j < kInterfaceTextKeyCount; ++j)
      EXPECT_NE(Text(kInterfaceTextKeys[i]), Text(kInterfaceTextKeys[j]));
}

}  // namespace
}  // namespace ko
