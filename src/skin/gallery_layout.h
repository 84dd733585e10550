// The control gallery: one window that shows every kind of skinned control, so the
// controls and the pictures drawn for them can be judged together in every state.
#pragma once
#include "skin/window_layout.h"

namespace ko {

// Positions of the gallery's controls in galleryLayout().controls (the building order), so
// the gallery program can set the states it shows; caption keys are in the table itself.
namespace gallery {
inline constexpr int kPushFirst = 0;       // three push buttons in a row: 0, 1, 2
inline constexpr int kToggleChecked = 3;   // two-state, shown checked
inline constexpr int kToggleLocked = 4;    // two-state, checked and disabled
inline constexpr int kTabFirst = 5;        // five tabs: 5..9
inline constexpr int kTabCount = 5;
inline constexpr int kMenuButton = 10;     // opens a popup menu
inline constexpr int kSlot = 11;           // assignment slot field
inline constexpr int kTileFirst = 12;      // two DPI tiles: 12, 13
inline constexpr int kSegmentFirst = 14;   // segmented pair: 14, 15
inline constexpr int kSwitch = 16;
inline constexpr int kCheckBox = 17;
inline constexpr int kLabelLeft = 18;
inline constexpr int kLabelCentre = 19;
inline constexpr int kEdit = 20;
inline constexpr int kSlider = 21;
inline constexpr int kCustom = 22;
inline constexpr int kMacroDisplay = 23;
inline constexpr int kList = 24;
inline constexpr int kClose = 25;
inline constexpr int kMinimise = 26;
}  // namespace gallery

// Layout file "skin_gallery.ini" with the pictures "gallery_main.png", "gallery_over.png",
// "gallery_down.png" and "gallery_disabled.png".
const WindowLayout& galleryLayout();

}  // namespace ko
