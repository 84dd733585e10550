// The running executable's own path, however deep it is installed.
#pragma once
#include "platform/wide_text.h"

namespace ko {

// The full path of the executable; "" only when the system cannot give it. Not limited to
// MAX_PATH: a program installed in a deep folder still learns where it is.
Text ExecutablePath();

// The short (8.3) form of an existing path, keeping a trailing backslash; "" when the
// system has none for it.
Text ShortPathOf(const Text& path);

}  // namespace ko
