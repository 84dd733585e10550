// The one macro open in the editor: its name, its 60 step slots, the step count and the
// text of the loop field. Steps fill slots 0 .. count-1 without gaps; the rest are zero.
#pragma once
#include <array>
#include <cstdint>
#include "macro/macro_step.h"
#include "platform/wide_text.h"

namespace ko {

constexpr int kMacroStepSlots = 60;
// Bytes of the stored step record (one chunk holds every slot).
constexpr size_t kMacroStepBytes = kMacroStepSlots * sizeof(MacroStep);
static_assert(kMacroStepBytes == 180, "the step record is 180 bytes");

// The largest loop value the loop field takes.
constexpr int32_t kMaxLoopTime = 255;

struct MacroDocument {
  Text name;  // empty: no macro is open
  std::array<MacroStep, kMacroStepSlots> steps{};
  int32_t count = 0;
  Text loopText = u"0";

  void clearSteps() {
    steps.fill(MacroStep{0, 0, 0});
    count = 0;
  }
};
static_assert(sizeof(std::array<MacroStep, kMacroStepSlots>) == kMacroStepBytes, "slots are stored as one record");

// The stored "LoopTime" of a loop text: its leading decimal digits, 0 when there are none.
// Digits beyond what 32 bits hold keep the largest value instead of wrapping.
int32_t loopTimeOf(TextView loopText);

}  // namespace ko
