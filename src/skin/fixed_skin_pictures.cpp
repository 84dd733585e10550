#include "skin/window_layout.h"

namespace ko {

// Sizes follow the controls that show them: a slider thumb is as high as its track, a menu
// picture is as wide as the menu and as high as its rows (24 each), the macro-name popup
// background as wide as the macro-name field and as high as 20 rows of 20 plus its edge.
const std::vector<FixedPicture>& fixedSkinPictures() {
  static const std::vector<FixedPicture> pictures = {
      {"logo.png", 160, 40},
      {"ID.png", 260, 400},
      // Slider thumbs: arrow1 for the 14- and 15-pixel tracks, arrow2 for the 18-pixel
      // tracks, arrow3 for the rapid-fire dialog's 12-pixel track.
      {"arrow1.png", 11, 14},
      {"arrow2.png", 13, 18},
      {"arrow3.png", 9, 12},
      // Colour picker: the slot behind the hue bar (x 196..218, y 1..194), the hue strip
      // itself (x 201..212, y 2..191) and the marker of the bar position.
      {"bar2.png", 23, 194},
      {"bar1.png", 12, 190},
      {"rgb_sel.png", 23, 7},
      {"macro_menu_n.jpg", 121, 402},
      // Popup menus: 1menu_over/down serve every small menu, so they are as high as the
      // longest one (the mouse-action menu, 7 rows); each normal picture has its menu's rows.
      {"1menu_normal.png", 120, 168},
      {"1menu_over.png", 120, 168},
      {"1menu_down.png", 120, 168},
      {"2menu_normal.png", 120, 96},
      {"3menu_normal.png", 120, 96},
      {"4menu_normal.png", 120, 48},
      // The assignment menu: 13 rows; its sub-menus at most 11 rows plus the closing line.
      {"button_menu1_normal.png", 157, 312},
      {"button_menu1_over.png", 157, 312},
      {"button_menu1_down.png", 157, 312},
      {"menu_normal.png", 157, 265},
      {"menu_over.png", 157, 265},
      {"menu_down.png", 157, 265},
  };
  return pictures;
}

}  // namespace ko
