// Every skinned window the program builds from a layout file: the main window's pages, the
// dialogs of the button assignment and of the macros, and the control gallery. The skin
// generator draws a picture set and writes a layout file for each; collected here, at the
// top, because the tables live with the windows of every subsystem.
#pragma once
#include <vector>
#include "skin/window_layout.h"

namespace ko {

const std::vector<const WindowLayout*>& allWindowLayouts();

}  // namespace ko
