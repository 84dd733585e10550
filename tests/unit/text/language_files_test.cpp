// The language files the installer offers: English and Simplified Chinese. Both must
// answer every key the program asks for, and the Chinese one, stored as UTF-16, must come
// through the reader intact.
#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include "support/temp_dir.h"
#include "text/interface_text.h"
#include "text/text_keys.h"
#include "text/xml_document.h"

namespace ko {
namespace {

// The element names directly inside the first BUTTONPAGE, by walking the document.
std::set<Text> buttonPageKeys(const Text& file) {
  XmlDocument document;
  std::set<Text> keys;
  if (!document.load(file) || !document.findChild(kButtonPageSection) || !document.enterChild()) return keys;
  while (document.findChild()) keys.insert(Text(document.childName()));
  return keys;
}

TEST(ChineseLanguageFile, IsUtf16WithItsDeclarationAndAFaceThatHasTheGlyphs) {
  const Text file = test::sourceFile("assets/zh-CN/Strings.xml");
  std::ifstream in(std::filesystem::path(std::u16string(file)), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GE(bytes.size(), 4u);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE<\0", 4));  // UTF-16LE mark, then "<"

  XmlDocument document;
  ASSERT_TRUE(document.load(file)) << toUtf8(document.diagnostic());
  EXPECT_EQ(document.text().find(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>"), 0u);
  // The Chinese interface font of Windows 7 and later; setup maps it to an installed CJK
  // font under Wine.
  EXPECT_EQ(GetXmlText(file, u"MAIN", u"FONT"), u"Microsoft YaHei");
}

TEST(ChineseLanguageFile, TranslatesEveryKeyOfTheEnglishFileAndNoOthers) {
  const Text english = test::sourceFile("assets/Strings.xml");
  const Text chinese = test::sourceFile("assets/zh-CN/Strings.xml");
  const std::set<Text> keys = buttonPageKeys(english);
  EXPECT_GE(keys.size(), kInterfaceTextKeyCount);
  EXPECT_EQ(buttonPageKeys(chinese), keys);

  const std::set<Text> untranslated = {u"MACRO"};  // a folder name beside the program
  for (const char16_t* key : kInterfaceTextKeys) {
    const Text text = GetXmlText(chinese, kButtonPageSection, key);
    ASSERT_FALSE(text.empty()) << toUtf8(key);
    EXPECT_EQ(text.find(u'\n'), Text::npos) << toUtf8(key);
    // A lost character (an encoding fault) shows as '?' or the replacement character.
    EXPECT_EQ(text.find_first_of(u"?\uFFFD"), Text::npos) << toUtf8(key);
    if (!untranslated.count(key)) {
      EXPECT_NE(text, GetXmlText(english, kButtonPageSection, key)) << toUtf8(key);
      // Some CJK character in every translated text.
      EXPECT_NE(std::find_if(text.begin(), text.end(), [](char16_t c) { return c >= 0x4E00 && c <= 0x9FFF; }),
                text.end())
          << toUtf8(key);
    }
    // Menu items and labels: the wide CJK glyphs fit about ten to a menu item.
    if (Text(key).rfind(u"WARN", 0) != 0) {
      EXPECT_LE(text.size(), 10u) << toUtf8(key);
    }
  }
}

TEST(ChineseLanguageFile, MacroNamesAndFolderAreValidFileNames) {
  const Text chinese = test::sourceFile("assets/zh-CN/Strings.xml");
  for (const char16_t* key : {u"NEWMACRO", u"MACRO"}) {
    const Text text = GetXmlText(chinese, kButtonPageSection, key);
    EXPECT_EQ(text.find_first_of(u"\\/:*?\"<>|"), Text::npos) << toUtf8(key);
    EXPECT_EQ(text.find_first_of(u" ."), Text::npos) << toUtf8(key);
  }
}

}  // namespace
}  // namespace ko
