// Where the keyboard focus goes in a skinned window. Tab walks the controls in reading
// order (rows from the top, each row from the left) and wraps; arrow keys walk the members
// of one group (profile tabs, stage tiles, rate segments), wrapping too. Controls that
// cannot take the focus (hidden, disabled) are skipped. The slider keys say which value a
// key gives a slider, the same value a drag to that place would give.
#pragma once
#include <optional>
#include <vector>
#include "skin/slider_geometry.h"
#include "skin/window_layout.h"

namespace ko {

struct FocusCandidate {
  PixelRect rect;
  bool canFocus = false;
  int group = 0;  // 0: in no group
};

// Two controls stand in one row when their vertical middles lie this close.
inline constexpr int kReadingRowTolerance = 8;

// The candidates' positions in reading order (all of them, focusable or not).
std::vector<int> readingOrder(const std::vector<FocusCandidate>& candidates);

// The control Tab (or Shift+Tab, `backwards`) moves to from `current` (-1: from none), or
// -1 when no control can take the focus.
int nextInTabOrder(const std::vector<FocusCandidate>& candidates, int current, bool backwards);

// The member of `current`'s group an arrow moves to, or -1 when `current` is in no group
// or is its group's only focusable member.
int nextInGroup(const std::vector<FocusCandidate>& candidates, int current, bool backwards);

// The caption that names control `index` for assistive technology: the nearest captioned
// label (or caption drawn as a button) ending left of it within its row, else the nearest
// one above it that it overlaps horizontally; -1 for none.
int labelFor(const WindowLayout& layout, int index);

enum class SliderKey { Increase, Decrease, PageIncrease, PageDecrease, Lowest, Highest };

// A page key moves this many steps: about a quarter of the range, at least one.
int sliderPageStep(SliderRange range);

// The value `key` gives a slider at `value`; nothing when it stays where it is.
std::optional<int> sliderValueForKey(SliderRange range, int value, SliderKey key);

}  // namespace ko
