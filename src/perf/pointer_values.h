// The pointer values the device service applies to the system: double-click speed and
// wheel lines, stepped by one with limits. The limits compare the result as an unsigned
// number, as the service does: a negative result counts as above the upper limit and never
// as below the lower one, so an unset -1 steps to 0 (up) or -2 (down), and -3 up gives the
// upper limit.
#pragma once
#include <cstdint>

namespace ko {

struct PointerLimits {
  int32_t lowest;
  int32_t highest;
};

inline constexpr PointerLimits kDoubleClickSpeedLimits{4, 20};
inline constexpr PointerLimits kWheelScrollLinesLimits{1, 10};

int32_t StepPointerValueUp(int32_t value, PointerLimits limits);
int32_t StepPointerValueDown(int32_t value, PointerLimits limits);

}  // namespace ko
