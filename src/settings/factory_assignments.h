// Which function codes a stored assignment may carry, and each button's factory function.
#pragma once
#include <algorithm>
#include <cstdint>
#include <iterator>
#include "settings/function_catalogue.h"
#include "settings/settings_record.h"

namespace ko {

// Factory function code of buttons 1..11 (index 0..10). Buttons 10 and 11 have none.
constexpr uint8_t kFactoryFunctionCodes[kButtonCount] = {1, 2, 3, 10, 11, 12, 13, 100, 99, 0, 0};

// The codes a loaded assignment keeps are those the function catalogue marks so; any other
// code read from a file is replaced by the button's factory assignment. 96 has a label but
// is deliberately not kept.
inline bool isStorableFunctionCode(uint8_t code) { return catalogueKeepsOnLoad(code); }

// Gives the record button `buttonIndex`'s factory function: code, ParamA 1, ParamB 0 and
// zero parameter bytes. ButtonNumber and MacroName stay as they are.
inline void applyFactoryAssignment(ButtonAssignment& a, int buttonIndex) {
  a.FunctionCode = (buttonIndex >= 0 && buttonIndex < kButtonCount) ? kFactoryFunctionCodes[buttonIndex] : 0;
  a.ParamA = 1;
  a.ParamB = 0;
  std::fill(std::begin(a.ParamData), std::end(a.ParamData), uint8_t{0});
}

}  // namespace ko
