// A preview of a window as the program shows it: each control's state picture cut from the
// full picture that feeds that state, with its caption drawn in the state's text colour.
// Used for the screenshots of the skin's documentation and for judging the skin by eye.
#pragma once
#include <map>
#include <string>
#include "fonts.h"
#include "skin/window_layout.h"
#include "control_faces.h"

namespace skingen {

// Control index -> the state it is shown in (the rest show Normal).
using PreviewStates = std::map<size_t, Face>;

void writePreview(const ko::WindowLayout& window, const PreviewStates& states, const Fonts& fonts,
                  const std::string& path);

// The gallery with a selection of states, as its program would show them.
void writeGalleryPreview(const Fonts& fonts, const std::string& path);

}  // namespace skingen
