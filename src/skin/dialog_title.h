// The title bar text of a skinned dialog. Dialogs draw a heading into their pictures; the
// window title is what other programs see (the device service looks windows up by title).
#pragma once
#include "platform/wide_text.h"
#include "skin/window_layout.h"

namespace ko {

// The dialog's own title when it has one, else its drawn heading; never the main window's
// title (a layout drawing the program's name as its heading gets its layout name instead).
Text dialogWindowTitle(const WindowLayout& layout, const char16_t* ownTitle);

}  // namespace ko
