// The per-user roaming application-data folder, below which the settings live.
#pragma once
#include "platform/wide_text.h"

namespace ko {

// Without a trailing backslash, created when missing; "" when the shell cannot say.
Text RoamingFolder();

}  // namespace ko
