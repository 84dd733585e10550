#include "perf/pointer_values.h"

namespace ko {

// Unsigned arithmetic throughout: stepping past the ends of the 32-bit range wraps instead
// of overflowing a signed value.
int32_t StepPointerValueUp(int32_t value, PointerLimits limits) {
  const uint32_t result = static_cast<uint32_t>(value) + 1u;
  if (result > static_cast<uint32_t>(limits.highest)) return limits.highest;
  return static_cast<int32_t>(result);
}

int32_t StepPointerValueDown(int32_t value, PointerLimits limits) {
  const uint32_t result = static_cast<uint32_t>(value) - 1u;
  if (result < static_cast<uint32_t>(limits.lowest)) return limits.lowest;
  return static_cast<int32_t>(result);
}

}  // namespace ko
