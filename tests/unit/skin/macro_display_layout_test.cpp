// The key display's line layout and highlight bars.
#include <gtest/gtest.h>

#include "skin/macro_display_layout.h"

namespace ko {
namespace {

MacroDisplayMetrics metrics(int clientWidth) {
  MacroDisplayMetrics m;
  m.clientWidth = clientWidth;
  m.fontHeight = 13;
  m.characterWidth = [](char16_t) { return 6; };
  return m;
}

TEST(MacroDisplayLayout, ChevronsStandForCaretAndBarAndTextFlowsFromTwo) {
  const MacroDisplayLayout layout = LayOutMacroDisplay(u"A^|", metrics(200));
  EXPECT_EQ(layout.lineHeight, 15);
  ASSERT_EQ(layout.pieces.size(), 3u);
  EXPECT_EQ(layout.pieces[0].kind, MacroPieceKind::Character);
  EXPECT_EQ(layout.pieces[0].x, 2);
  EXPECT_EQ(layout.pieces[1].kind, MacroPieceKind::PressChevron);
  EXPECT_EQ(layout.pieces[1].x, 8);
  EXPECT_EQ(layout.pieces[2].kind, MacroPieceKind::ReleaseChevron);
  EXPECT_EQ(layout.pieces[2].x, 17);
  ASSERT_EQ(layout.highlights.size(), 1u);
  EXPECT_EQ(layout.highlights[0].left, 1);
  EXPECT_EQ(layout.highlights[0].right, 26);
  EXPECT_EQ(layout.highlights[0].height(), 15);
}

TEST(MacroDisplayLayout, APieceThatWouldReachTheRightEdgeStartsTheNextLine) {
  // Width 20: pieces at 2, 8 (ends 14), next would end at 20 = the edge.
  const MacroDisplayLayout layout = LayOutMacroDisplay(u"abc", metrics(20));
  ASSERT_EQ(layout.pieces.size(), 3u);
  EXPECT_EQ(layout.pieces[1].line, 0);
  EXPECT_EQ(layout.pieces[2].line, 1);
  EXPECT_EQ(layout.pieces[2].x, 2);
  EXPECT_EQ(layout.pieces[2].y, 15);
  EXPECT_EQ(layout.highlights[1].right, 8);
}

TEST(MacroDisplayLayout, TallerChevronsSetTheLineHeightAndOnlySixLinesAreHighlighted) {
  MacroDisplayMetrics m = metrics(14);  // one character a line
  m.fontHeight = 5;
  const MacroDisplayLayout layout = LayOutMacroDisplay(u"12345678", m);
  EXPECT_EQ(layout.lineHeight, 10);
  EXPECT_EQ(layout.pieces.back().line, 7);
  ASSERT_EQ(layout.highlights.size(), 6u);
  EXPECT_EQ(layout.highlights[5].top, 50);
  EXPECT_TRUE(LayOutMacroDisplay(u"", m).highlights.empty());
}

TEST(MacroDisplayLayout, APieceWiderThanTheDisplayStaysOnOneLine) {
  MacroDisplayMetrics m = metrics(5);
  const MacroDisplayLayout layout = LayOutMacroDisplay(u"ab", m);
  EXPECT_EQ(layout.pieces[0].line, 0);
  EXPECT_EQ(layout.pieces[1].line, 1);
}

TEST(MacroDisplayPictures, ChevronsPointDownForPressAndUpForRelease) {
  auto black = [](const char* const* rows, int y) {
    std::vector<int> xs;
    for (int x = 0; x < kChevronWidth; ++x)
      if (rows[y][x] == '#') xs.push_back(x);
    return xs;
  };
  const auto* press = PressChevronRows();
  EXPECT_EQ(black(press, 2), (std::vector<int>{1, 7}));
  EXPECT_EQ(black(press, 3), (std::vector<int>{2, 6}));
  EXPECT_EQ(black(press, 4), (std::vector<int>{2, 6}));
  EXPECT_EQ(black(press, 5), (std::vector<int>{3, 5}));
  EXPECT_EQ(black(press, 6), (std::vector<int>{4}));
  const auto* release = ReleaseChevronRows();
  EXPECT_EQ(black(release, 1), (std::vector<int>{4}));
  EXPECT_EQ(black(release, 2), (std::vector<int>{3, 5}));
  EXPECT_EQ(black(release, 4), (std::vector<int>{2, 6}));
  EXPECT_EQ(black(release, 5), (std::vector<int>{1, 7}));
  for (int y : {0, 7}) {
    EXPECT_TRUE(black(press, y).empty());
    EXPECT_TRUE(black(release, y).empty());
  }
}

}  // namespace
}  // namespace ko
