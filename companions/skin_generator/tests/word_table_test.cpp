// The word tables: what a table line means, which texts need a word, and that both shipped
// tables cover exactly the texts the skin shows.
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>
#include <string>
#include "app/window_list.h"
#include "fixed_pictures.h"
#include "skin/window_layout.h"
#include "word_table.h"

namespace skingen {
namespace {

std::string sourceFile(const char* relative) { return std::string(KOCFG_SOURCE_DIR) + "/" + relative; }

TEST(WordRule, NumbersUnitsColourLettersAndTheModelNameStayEverythingElseIsTranslated) {
  for (const char* stays : {"125 Hz", "DPI", "1000", "ms", "R", "G", "B", "Warning", "VX48K2", "%", "10 ms",
                            "DPI 档位", "固定延时 (ms)", ""})
    EXPECT_FALSE(holdsWordToTranslate(stays)) << stays;
  for (const char* translated : {"Back", "DPI level", "Profile 1", "Hzz", "mS", "XShoot 连击", "按 OK"})
    EXPECT_TRUE(holdsWordToTranslate(translated)) << translated;
  EXPECT_EQ(wordsToTranslate("Separate X and Y, 2 ms"), (std::vector<std::string>{"Separate", "X", "and", "Y"}));
}

TEST(WordTableFile, ReadsEntriesSkipsCommentsAndRefusesWhatItCannotMean) {
  const WordTable t = WordTable::parse(
      "\xEF\xBB\xBF# comment\n\nBack = 返回\r\nFixed delay (ms)  =  固定延时 (ms)\n", "t");
  EXPECT_STREQ(t.shown("Back"), "返回");
  EXPECT_STREQ(t.shown("Fixed delay (ms)"), "固定延时 (ms)");
  EXPECT_STREQ(t.shown("125 Hz"), "125 Hz");  // needs no entry
  EXPECT_STREQ(t.shown(""), "");
  EXPECT_THROW(t.shown("Record"), std::runtime_error);  // needs one and has none
  EXPECT_THROW(WordTable::parse("Back=返回\n", "t"), std::runtime_error);
  EXPECT_THROW(WordTable::parse("Back = \n", "t"), std::runtime_error);
  EXPECT_THROW(WordTable::parse("Back = 返回\nBack = 后退\n", "t"), std::runtime_error);
}

TEST(WordTableFile, TranslatesEveryWordOfAWindowAndNothingElse) {
  const WordTable t = WordTable::parse("Back = 返回\nBar = 栏\nTitle = 标题\n", "t");
  ko::WindowLayout w{"w", "w.ini", 10, 10, "m.png", "", "", "", "Title", {}, ko::WindowFrame::Plain, {}};
  ko::ControlSpec back;
  back.captionNumber = 71;
  back.caption = "Back";
  back.rect = {1, 2, 3, 4};
  ko::ControlSpec number;
  number.caption = "250 Hz";
  w.controls = {back, number};
  w.decorations = {{ko::DecorationKind::Text, {}, "Bar"}};
  const ko::WindowLayout z = inLanguage(w, t);
  EXPECT_STREQ(z.heading, "标题");
  EXPECT_STREQ(z.controls[0].caption, "返回");
  EXPECT_EQ(z.controls[0].captionNumber, 71);
  EXPECT_EQ(z.controls[0].rect.right, 3);
  EXPECT_STREQ(z.controls[1].caption, "250 Hz");
  EXPECT_STREQ(z.decorations[0].text, "栏");
  EXPECT_STREQ(z.mainPicture, "m.png");
}

// Both shipped tables: an entry for every text of the skin that holds a word, none for texts
// the skin no longer shows; English entries are the words themselves, Chinese ones hold no
// Latin word.
TEST(ShippedWordTables, CoverExactlyTheSkinsWords) {
  std::set<std::string> needed;
  for (const std::string& text : skinTexts(ko::allWindowLayouts()))
    if (holdsWordToTranslate(text)) needed.insert(text);
  ASSERT_GT(needed.size(), 50u);
  for (const char* file : {"assets/SkinWords.txt", "assets/zh-CN/SkinWords.txt"}) {
    SCOPED_TRACE(file);
    const WordTable table = WordTable::read(sourceFile(file));
    std::set<std::string> given;
    for (const auto& [source, shown] : table.entries()) given.insert(source);
    EXPECT_EQ(given, needed);
  }
  const WordTable english = WordTable::read(sourceFile("assets/SkinWords.txt"));
  for (const auto& [source, shown] : english.entries()) EXPECT_EQ(shown, source);
  const WordTable chinese = WordTable::read(sourceFile("assets/zh-CN/SkinWords.txt"));
  for (const auto& [source, shown] : chinese.entries())
    EXPECT_FALSE(holdsWordToTranslate(shown)) << source << " = " << shown;
}

}  // namespace
}  // namespace skingen
