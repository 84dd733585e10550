// What the macro chooser opens with and hands back on OK; the assignment menu's macro branch
// fills it from the button and stores it into the button.
#pragma once
#include "platform/wide_text.h"

namespace ko {

struct MacroChoice {
  Text name;
  int position = -1;  // in the macro list (not a slot number)
  int runMode = 0;    // 0, 1 or 2
};

}  // namespace ko
