// The window table of the macro chooser (layout file "skin_macrosel.ini"), which the
// assignment menu runs when a button is to play a macro.
#pragma once
#include "skin/window_layout.h"

namespace ko {

// Table positions of the chooser's controls.
namespace macro_sel {
constexpr int kOk = 0;
constexpr int kCancel = 1;
constexpr int kClose = 2;
constexpr int kNameField = 3;
constexpr int kModeFirst = 4;  // run modes 0, 1, 2 at 4, 5, 6
constexpr int kModeCount = 3;
constexpr int kNameTitle = 7;
constexpr int kModeTextFirst = 8;  // two lines of text beside each run mode: 8 and 9, 10 and 11, 12 and 13
}  // namespace macro_sel

const WindowLayout& macroSelDialogLayout();

}  // namespace ko
