// Which function codes a stored assignment may carry, and each button's factory function.
// A plain table on purpose: the function catalogue grows around it, the load rules read it.
#pragma once
#include <algorithm>
#include <cstdint>
#include <iterator>
#include "settings/settings_record.h"

namespace ko {

// The codes a loaded assignment keeps; any other code read from a file is replaced by the
// button's factory assignment. 96 has a label but is deliberately not kept.
constexpr uint8_t kStorableFunctionCodes[] = {
    1,  2,  3,  4,  5,  6,  7,  9,  10, 11, 12, 13, 14, 15, 21, 23, 24, 25,
    32, 33, 34, 35, 36, 37, 38, 39, 48, 49, 50, 51, 64, 65, 66, 67, 68, 69,
    70, 71, 72, 80, 81, 82, 83, 84, 85, 99, 100, 101, 113, 114, 115, 116, 117,
};

// Factory function code of buttons 1..11 (index 0..10). Buttons 10 and 11 have none.
constexpr uint8_t kFactoryFunctionCodes[kButtonCount] = {1, 2, 3, 10, 11, 12, 13, 100, 99, 0, 0};

inline bool isStorableFunctionCode(uint8_t code) {
  return std::find(std::begin(kStorableFunctionCodes), std::end(kStorableFunctionCodes), code) !=
         std::end(kStorableFunctionCodes);
}

// Gives the record button `buttonIndex`'s factory function: code, ParamA 1, ParamB 0 and
// zero parameter bytes. ButtonNumber and MacroName stay as they are.
inline void applyFactoryAssignment(ButtonAssignment& a, int buttonIndex) {
  a.FunctionCode = (buttonIndex >= 0 && buttonIndex < kButtonCount) ? kFactoryFunctionCodes[buttonIndex] : 0;
  a.ParamA = 1;
  a.ParamB = 0;
  std::fill(std::begin(a.ParamData), std::end(a.ParamData), uint8_t{0});
}

}  // namespace ko
