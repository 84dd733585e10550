#include "skin/slider_geometry.h"

#include <algorithm>

namespace ko {
namespace {

int clampToRange(SliderRange range, long long value) {
  return static_cast<int>(std::max<long long>(range.minimum, std::min<long long>(range.maximum, value)));
}

}  // namespace

int ThumbLeftForValue(SliderRange range, int trackWidth, int thumbWidth, int value) {
  const int span = range.maximum - range.minimum;
  if (value < range.minimum || value > range.maximum || span <= 0) value = range.minimum;
  if (span <= 0) return 0;
  return static_cast<int>(static_cast<long long>(trackWidth - thumbWidth) * (value - range.minimum) / span);
}

int ValueForTrackClick(SliderRange range, int trackLeft, int trackRight, int pointerX) {
  const int n = range.maximum - range.minimum;
  const int length = trackRight - trackLeft;
  if (n <= 0 || length <= 0) return range.minimum;
  const long long offset = static_cast<long long>(pointerX) - trackLeft;
  const long long q = offset * n / length;
  long long v = q + range.minimum;
  const long long step = length / n;
  // With more values than pixels the step is 0 and there is no half step to round past.
  if (step > 0 && offset - q * step > step / 2) ++v;
  return clampToRange(range, v);
}

int ValueForDragEnd(SliderRange range, int trackWidth, int thumbWidth, int thumbLeft) {
  const int n = range.maximum - range.minimum;
  const int travel = trackWidth - thumbWidth;
  if (n <= 0 || travel <= 0) return range.minimum;
  const long long q = static_cast<long long>(thumbLeft) * n / travel;
  long long v = range.minimum + q;
  const long long step = trackWidth / n;
  if (step > 0 && thumbLeft - step * q > step / 2) ++v;
  return clampToRange(range, v);
}

int DraggedThumbLeft(int startLeft, int pointerTravel, int trackWidth, int thumbWidth) {
  const int farthest = std::max(0, trackWidth - thumbWidth);
  return std::max(0, std::min(farthest, startLeft + pointerTravel));
}

}  // namespace ko
