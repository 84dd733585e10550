#include "perf/dpi_levels.h"

namespace ko {

int32_t DpiForLevel(int32_t level) {
  // 64-bit on the way: a damaged file may hold any 32-bit value.
  const int64_t l = level;
  const int64_t dpi = l <= 8 ? l * 250 : (l - 4) * 500;
  if (dpi > INT32_MAX) return INT32_MAX;
  if (dpi < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(dpi);
}

int32_t LimitLevel(int32_t position) {
  if (position < kLowestLevel) return kLowestLevel;
  if (position > kHighestLevel) return kHighestLevel;
  return position;
}

Text StageCaption(TextView stageWord, int index, int32_t xDpi, int32_t yDpi) {
  Text caption(stageWord);
  caption += u' ';
  caption += decimal(index + 1);
  caption += u"\r\n";
  caption += decimal(xDpi);
  caption += u"\r\n";
  caption += decimal(yDpi);
  return caption;
}

}  // namespace ko
