// Every word of the interface fits where it is shown, in English and in Chinese, measured in
// the face the program draws it with: the captions of every window's controls (from the
// layout files the generator writes), the words drawn into the pictures, and the language
// file's texts in the menus and fields that show them.
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>
#include "app/window_list.h"
#include "canvas.h"
#include "fonts.h"
#include "platform/wide_text.h"
#include "skin/window_layout.h"
#include "text/interface_text.h"
#include "text/text_keys.h"
#include "word_table.h"

namespace skingen {
namespace {

// Room kept free on each side of a text, so no word touches its control's edge.
constexpr double kMargin = 3;
// Check boxes and radio marks take the left 22 pixels of their face; other left-aligned
// button captions start 2 pixels in.
constexpr int kMarkWidth = 22;
constexpr int kLeftInset = 2;
// The assignment menu and its sub-menus are 157 wide; the small menus (mouse actions, step
// editing, lighting mode and direction) 120.
constexpr int kAssignmentMenuWidth = 157;
constexpr int kSmallMenuWidth = 120;

struct Language {
  const char* name;
  const char* words;
  const char* strings;
  Script script;
};
const Language kLanguages[] = {
    {"English", "assets/SkinWords.txt", "assets/Strings.xml", Script::Latin},
    {"Chinese", "assets/zh-CN/SkinWords.txt", "assets/zh-CN/Strings.xml", Script::Chinese},
};

std::string sourceFile(const char* relative) { return std::string(KOCFG_SOURCE_DIR) + "/" + relative; }

bool hasGlyph(const ko::ControlSpec& c, const char* glyph) { return std::string(c.glyph ? c.glyph : "") == glyph; }

class CaptionFit : public ::testing::TestWithParam<Language> {
 protected:
  CaptionFit() : fonts_(GetParam().script), canvas_(1, 1, fonts_), words_(WordTable::read(sourceFile(GetParam().words))) {}

  double width(const std::string& text, double px = 0, Weight weight = Weight::Regular) {
    return canvas_.textWidth(text, px > 0 ? px : fonts_.emForCellHeight(kControlCellHeight), weight);
  }
  // Greedy wrap at spaces, as the program's two-line captions break.
  int linesNeeded(const std::string& text, double room) {
    int lines = 1;
    std::string line;
    size_t at = 0;
    while (at <= text.size()) {
      size_t space = text.find(' ', at);
      if (space == std::string::npos) space = text.size();
      const std::string word = text.substr(at, space - at);
      const std::string joined = line.empty() ? word : line + " " + word;
      if (width(joined) <= room || line.empty()) {
        line = joined;
      } else {
        ++lines;
        line = word;
      }
      if (width(line) > room) return 99;  // a single word wider than the line never fits
      at = space + 1;
    }
    return lines;
  }

  Fonts fonts_;
  Canvas canvas_;
  WordTable words_;
};

TEST_P(CaptionFit, EveryCaptionOfEveryWindowFitsItsControlWithAMargin) {
  int checked = 0;
  for (const ko::WindowLayout* original : ko::allWindowLayouts()) {
    const ko::WindowLayout w = inLanguage(*original, words_);
    for (const ko::ControlSpec& c : w.controls) {
      if (!c.captionNumber || !c.captionShown || !*c.caption || c.rect.empty()) continue;
      const bool marked = hasGlyph(c, "check") || hasGlyph(c, "radio");
      const bool button = c.kind == ko::ControlKind::Button;
      int inset = 0;
      if (button && c.align == ko::TextAlign::Left) inset = marked ? kMarkWidth : kLeftInset;
      const double room = c.rect.width() - inset - 2 * kMargin;
      // Marked captions on faces high enough for two lines wrap; all others are one line.
      const int maxLines = button && marked && c.align == ko::TextAlign::Left && c.rect.height() >= 28 ? 2 : 1;
      EXPECT_LE(linesNeeded(c.caption, room), maxLines)
          << w.name << " caption " << c.captionNumber << " \"" << c.caption << "\" is " << width(c.caption)
          << " px wide, room " << room << " px";
      ++checked;
    }
  }
  EXPECT_GT(checked, 60);
}

// Headings, panel titles and texts are drawn by the generator itself, in its own sizes.
TEST_P(CaptionFit, EveryWordDrawnIntoAPictureFitsItsPlace) {
  for (const ko::WindowLayout* original : ko::allWindowLayouts()) {
    const ko::WindowLayout w = inLanguage(*original, words_);
    if (w.heading && *w.heading) {
      const double px = w.frame == ko::WindowFrame::Dialog ? 13 : 15;
      // The heading runs from x 26 to before the window buttons at the right.
      EXPECT_LE(width(w.heading, px, Weight::Bold), w.width - 120 - 26) << w.name << " heading";
    }
    for (const ko::Decoration& d : w.decorations) {
      if (!d.text || !*d.text) continue;
      const double room = d.kind == ko::DecorationKind::Panel ? d.rect.width() - 24 : d.rect.width();
      const double drawn = d.kind == ko::DecorationKind::Title ? width(d.text)
                           : width(d.text, 11, d.kind == ko::DecorationKind::Panel ? Weight::Bold : Weight::Regular);
      EXPECT_LE(drawn, room) << w.name << " \"" << d.text << "\"";
    }
  }
  // The logo's product line, from x 29 of the 160-pixel logo.
  EXPECT_LE(width(words_.shown(kLogoProductLine), 9), 160 - 29 - kMargin);
}

TEST_P(CaptionFit, EveryMenuTextOfTheLanguageFileFitsItsMenu) {
  const ko::Text file = ko::u16(sourceFile(GetParam().strings));
  const std::set<std::u16string> smallMenus = {
      u"CLICK",    u"MENU",     u"MIDDLE",   u"MOVELEFT", u"MOVERIGHT", u"MOVEUP",   u"MOVEDOWN",
      u"INSERTNEWACT", u"COPYACT", u"CUTACT", u"PASTEACT", u"LEDMODE1", u"LEDMODE2", u"LEDMODE3",
      u"LEDMODE4", u"LEDMODE5", u"LEDMODE6", u"LEDMODEDIR1", u"LEDMODEDIR2", u"LEDMODEDIR3", u"LEDMODEDIR4"};
  // Warnings go to message boxes; the macro folder and file-type names to file dialogs.
  const std::set<std::u16string> notInMenus = {u"WARN1", u"WARN2", u"WARN3", u"MACRO", u"MACROFILENAME",
                                               u"NEWMACRO", u"DPISTAGE"};
  int checked = 0;
  for (const char16_t* key : ko::kInterfaceTextKeys) {
    if (notInMenus.count(key)) continue;
    const std::string text = ko::toUtf8(ko::GetXmlText(file, u"BUTTONPAGE", key));
    ASSERT_FALSE(text.empty()) << ko::toUtf8(key);
    const int menu = smallMenus.count(key) ? kSmallMenuWidth : kAssignmentMenuWidth;
    EXPECT_LE(width(text), menu - 2 * kMargin) << ko::toUtf8(key) << " \"" << text << "\"";
    ++checked;
  }
  EXPECT_GT(checked, 60);
}

// A caption's control inside a panel keeps clear of the panel's edges, so its text never
// touches the frame drawn around it.
TEST(PanelMargins, EveryCaptionedControlInAPanelKeepsClearOfItsEdges) {
  constexpr int kEdge = 3;
  for (const ko::WindowLayout* w : ko::allWindowLayouts()) {
    for (const ko::ControlSpec& c : w->controls) {
      if (!c.captionNumber || !c.captionShown || c.rect.empty()) continue;
      const int cx = (c.rect.left + c.rect.right) / 2, cy = (c.rect.top + c.rect.bottom) / 2;
      for (const ko::Decoration& d : w->decorations) {
        const ko::PixelRect& p = d.rect;
        if (d.kind != ko::DecorationKind::Panel || cx < p.left || cx >= p.right || cy < p.top || cy >= p.bottom) continue;
        EXPECT_TRUE(c.rect.left >= p.left + kEdge && c.rect.right <= p.right - kEdge && c.rect.top >= p.top + kEdge &&
                    c.rect.bottom <= p.bottom - kEdge)
            << w->name << " caption " << c.captionNumber << " \"" << c.caption << "\" at " << c.rect.left << ","
            << c.rect.top << "-" << c.rect.right << "," << c.rect.bottom << " in the panel " << p.left << "," << p.top
            << "-" << p.right << "," << p.bottom;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, CaptionFit, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<Language>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace skingen
