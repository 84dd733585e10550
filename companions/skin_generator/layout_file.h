// The layout file of a skinned window: section "Screen" names its full pictures, section
// "BUTTONPOS" holds the English caption of each control by its caption number. Written as
// UTF-16LE with a byte-order mark, which the profile-string functions read as Unicode, so
// any caption text survives.
#pragma once
#include <string>
#include "skin/window_layout.h"

namespace skingen {

// The file's bytes, byte-order mark included.
std::string layoutFileBytes(const ko::WindowLayout& window);

}  // namespace skingen
