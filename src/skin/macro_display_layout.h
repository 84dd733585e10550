// How the key display of the key capture dialog lays out its text: piece by piece from
// x = 2, "^" and "|" as the two chevron pictures, wrapping before a piece that would reach
// the right edge, and the highlight bars behind the first six lines.
#pragma once
#include <functional>
#include <vector>
#include "platform/wide_text.h"
#include "skin/window_layout.h"

namespace ko {

inline constexpr int kMacroDisplayLeft = 2;
inline constexpr int kMacroDisplayHighlightLines = 6;

enum class MacroPieceKind { Character, PressChevron, ReleaseChevron };

struct MacroPiece {
  MacroPieceKind kind = MacroPieceKind::Character;
  char16_t character = 0;
  int line = 0;
  int x = 0;
  int y = 0;
  int width = 0;
};

struct MacroDisplayMetrics {
  int clientWidth = 0;
  int fontHeight = 0;
  int chevronWidth = 9;
  int chevronHeight = 8;
  // Width of one character in the display font.
  std::function<int(char16_t)> characterWidth;
};

struct MacroDisplayLayout {
  int lineHeight = 0;
  std::vector<MacroPiece> pieces;
  std::vector<PixelRect> highlights;  // one per line that holds pieces, at most six
};

// Line height: the larger of the font height and the chevron height, plus 2.
MacroDisplayLayout LayOutMacroDisplay(TextView text, const MacroDisplayMetrics& metrics);

// The two 9 x 8 chevron pictures, one row of nine pixels per string, '#' for black.
const char* const* PressChevronRows();    // for "^": pointing down
const char* const* ReleaseChevronRows();  // for "|": pointing up
inline constexpr int kChevronWidth = 9;
inline constexpr int kChevronHeight = 8;

// The 16 x 16 list icons for key-press and key-release lines ('#' dark, '+' accent, '.'
// background).
const char* const* KeyPressIconRows();
const char* const* KeyReleaseIconRows();

}  // namespace ko
