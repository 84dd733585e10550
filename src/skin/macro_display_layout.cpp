#include "skin/macro_display_layout.h"

#include <algorithm>

namespace ko {

MacroDisplayLayout LayOutMacroDisplay(TextView text, const MacroDisplayMetrics& m) {
  MacroDisplayLayout layout;
  layout.lineHeight = std::max(m.fontHeight, m.chevronHeight) + 2;
  int x = kMacroDisplayLeft;
  int line = 0;
  std::vector<int> lineEnds;
  for (char16_t c : text) {
    MacroPiece piece;
    piece.character = c;
    if (c == u'^') {
      piece.kind = MacroPieceKind::PressChevron;
      piece.width = m.chevronWidth;
    } else if (c == u'|') {
      piece.kind = MacroPieceKind::ReleaseChevron;
      piece.width = m.chevronWidth;
    } else {
      piece.width = m.characterWidth ? m.characterWidth(c) : 0;
    }
    // A piece wider than a whole line stays on its own line instead of wrapping for ever.
    if (x + piece.width >= m.clientWidth && x > kMacroDisplayLeft) {
      ++line;
      x = kMacroDisplayLeft;
    }
    piece.line = line;
    piece.x = x;
    piece.y = line * layout.lineHeight;
    x += piece.width;
    if (static_cast<int>(lineEnds.size()) <= line) lineEnds.resize(line + 1, kMacroDisplayLeft);
    lineEnds[line] = x;
    layout.pieces.push_back(piece);
  }
  const int lines = std::min<int>(static_cast<int>(lineEnds.size()), kMacroDisplayHighlightLines);
  for (int i = 0; i < lines; ++i)
    layout.highlights.push_back({1, i * layout.lineHeight, lineEnds[i], (i + 1) * layout.lineHeight});
  return layout;
}

const char* const* PressChevronRows() {
  static const char* const rows[kChevronHeight] = {
      ".........", ".........", ".#.....#.", "..#...#..", "..#...#..", "...#.#...", "....#....", ".........",
  };
  return rows;
}

const char* const* ReleaseChevronRows() {
  static const char* const rows[kChevronHeight] = {
      ".........", "....#....", "...#.#...", "..#...#..", "..#...#..", ".#.....#.", ".........", ".........",
  };
  return rows;
}

const char* const* KeyPressIconRows() {
  static const char* const rows[16] = {
      "................", "......####......", "......#++#......", "......#++#......",
      "......#++#......", "......#++#......", "......#++#......", "..####.++.####..",
      "...#++++++++#...", "....#++++++#....", ".....#++++#.....", "......#++#......",
      ".......##.......", "................", "..############..", "................",
  };
  return rows;
}

const char* const* KeyReleaseIconRows() {
  static const char* const rows[16] = {
      "................", "..############..", "................", ".......##.......",
      "......#++#......", ".....#++++#.....", "....#++++++#....", "...#++++++++#...",
      "..####.++.####..", "......#++#......", "......#++#......", "......#++#......",
      "......#++#......", "......#++#......", "......####......", "................",
  };
  return rows;
}

}  // namespace ko
