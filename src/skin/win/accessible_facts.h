// What a skinned control tells assistive technology about itself: its name in the
// interface language, its role and state (Active Accessibility's ROLE_SYSTEM_* and
// STATE_SYSTEM_* numbers), a value, and for lists their items.
#pragma once
#include <vector>
#include "platform/wide_text.h"

namespace ko {

struct AccessibleFacts {
  Text name;
  long role = 0;
  long state = 0;
  Text value;
  std::vector<Text> items;  // a list's lines, children 1..n
  int selectedItem = -1;
};

}  // namespace ko
