// The full pictures of one skinned window: its frame and decoration, then every control's
// face for the state that picture feeds, exactly at the window's size.
#pragma once
#include <string>
#include <vector>
#include "canvas.h"
#include "skin/window_layout.h"

namespace skingen {

// Paints the window's picture `which` (Main, Over, Down or Disabled) onto a canvas of the
// window's size.
void paintWindowPicture(Canvas& canvas, const ko::WindowLayout& window, ko::Picture which);

// Writes every picture the window names and its layout file into `folder` (ending in '/').
// Returns the names of the files written.
std::vector<std::string> writeWindow(const ko::WindowLayout& window, const Fonts& fonts, const std::string& folder);

}  // namespace skingen
