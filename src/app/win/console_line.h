// The one line a command writes for the person who started it: to the standard output
// when the program has one (a redirection, or a shell under Wine), else to the console of
// the process that started it. Started from neither, the program writes nothing.
#pragma once
#include "platform/wide_text.h"

namespace ko {

void WriteConsoleLine(const Text& line);

}  // namespace ko
