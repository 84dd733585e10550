// The language file is read again for every lookup: the program keeps the last document it
// indexed, and these cases make sure a changed, damaged or removed file is never answered
// from what was read before.
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <string>
#include "support/temp_dir.h"
#include "text/interface_text.h"

namespace ko {
namespace {

class InterfaceTextRereadTest : public ::testing::Test {
 protected:
  Text write(const std::string& bytes, const char16_t* name = u"Strings.xml") {
    std::ofstream(dir_.fsFile(name), std::ios::binary | std::ios::trunc) << bytes;
    return dir_.file(name);
  }
  test::TempDir dir_;
};

TEST_F(InterfaceTextRereadTest, EachLookupSeesTheFileAsItIsNow) {
  const Text file = write("<L><BUTTONPAGE><CLICK>Left</CLICK></BUTTONPAGE></L>");
  EXPECT_EQ(GetXmlText(file, u"BUTTONPAGE", u"CLICK"), u"Left");
  // Same length, other words: a cache keyed on the size alone would answer "Left".
  write("<L><BUTTONPAGE><CLICK>Righ</CLICK></BUTTONPAGE></L>");
  EXPECT_EQ(GetXmlText(file, u"BUTTONPAGE", u"CLICK"), u"Righ");
  write("<L><BUTTONPAGE><CLICK>Right</CLICK><MENU>Menu</MENU></BUTTONPAGE><MAIN><FONT>Arial</FONT></MAIN></L>");
  EXPECT_EQ(GetXmlText(file, u"BUTTONPAGE", u"MENU"), u"Menu");
  EXPECT_EQ(GetXmlText(file, u"MAIN", u"FONT"), u"Arial");
  EXPECT_EQ(GetXmlText(file, u"BUTTONPAGE", u"CLICK"), u"Right");
}

TEST_F(InterfaceTextRereadTest, ADamagedOrRemovedFileGivesNothingAfterAGoodOne) {
  const Text file = write("<L><BUTTONPAGE><CLICK>Left</CLICK></BUTTONPAGE></L>");
  ASSERT_EQ(GetXmlText(file, u"BUTTONPAGE", u"CLICK"), u"Left");
  write("<L><BUTTONPAGE><CLICK>Left</CLICK></BUTTONPAGE>");
  EXPECT_EQ(GetXmlText(file, u"BUTTONPAGE", u"CLICK"), u"");
  write("<L><BUTTONPAGE><CLICK>Left</CLICK></BUTTONPAGE></L>");
  EXPECT_EQ(GetXmlText(file, u"BUTTONPAGE", u"CLICK"), u"Left");
  std::filesystem::remove(dir_.fsFile(u"Strings.xml"));
  EXPECT_EQ(GetXmlText(file, u"BUTTONPAGE", u"CLICK"), u"");
}

TEST_F(InterfaceTextRereadTest, TwoFilesTakenInTurnEachGiveTheirOwnWords) {
  const Text english = write("<L><BUTTONPAGE><CLICK>Left</CLICK></BUTTONPAGE></L>", u"en.xml");
  const Text other = write("<L><BUTTONPAGE><CLICK>Links</CLICK></BUTTONPAGE></L>", u"de.xml");
  for (int round = 0; round < 2; ++round) {
    EXPECT_EQ(GetXmlText(english, u"BUTTONPAGE", u"CLICK"), u"Left");
    EXPECT_EQ(GetXmlText(other, u"BUTTONPAGE", u"CLICK"), u"Links");
  }
}

}  // namespace
}  // namespace ko
