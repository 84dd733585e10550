// The DPI level scale and the stage tiles' captions: a stored level 1..12 is a step on the
// mouse's DPI scale, 250 apart up to 2000 and 500 apart above.
#pragma once
#include <cstdint>
#include "platform/wide_text.h"

namespace ko {

inline constexpr int32_t kLowestLevel = 1;
inline constexpr int32_t kHighestLevel = 12;

// 1..8 give level x 250, 9..12 give (level - 4) x 500. A stored level outside 1..12 is
// shown by the same rule without limiting it (0 shows 0, 13 shows 4500), so a damaged
// file is visible as such instead of being quietly shown as something valid.
int32_t DpiForLevel(int32_t level);

// A slider position as a stored level: below 1 becomes 1, above 12 becomes 12.
int32_t LimitLevel(int32_t position);

// "<stage word> <stage number>\r\n<x dpi>\r\n<y dpi>" for stage `index` (0-based).
Text StageCaption(TextView stageWord, int index, int32_t xDpi, int32_t yDpi);

}  // namespace ko
