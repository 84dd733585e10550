// The assignment menu of the button page: which functions it offers, in which order and
// under which sub-menu, with the identifiers its choice report carries, and where it
// opens under the slot that was clicked.
#pragma once
#include <cstdint>
#include <vector>
#include "skin/menu_geometry.h"
#include "skin/window_layout.h"
#include "settings/settings_record.h"

namespace ko {

// Identifiers of the top-level items. A plain item's identifier is the function code it
// stores; a sub-menu's identifier only tells the sub-menus apart ("SHIFT" and the
// "DPISHIFT" item of "ADVANCEDCOMMAND" share 15, but the sub-item tells which was meant).
namespace assignment_menu_id {
constexpr int kClick = 1;
constexpr int kMenu = 2;
constexpr int kMiddle = 3;
constexpr int kDoubleClick = 4;
constexpr int kMacro = 6;
constexpr int kButtonOff = 7;
constexpr int kAdvanced = 8;
constexpr int kButton4 = 10;
constexpr int kButton5 = 11;
constexpr int kShift = 15;
constexpr int kBasic = 18;
constexpr int kMedia = 19;
constexpr int kAdditional = 20;

// Sub-items that open a dialog before their code is stored.
constexpr int kKeyCapture = 5;
constexpr int kXShoot = 9;
constexpr int kDpiShift = 15;
constexpr int kRapidFire = 101;
}  // namespace assignment_menu_id

struct AssignmentMenuEntry {
  const char16_t* key;  // interface text of section "BUTTONPAGE"
  int32_t id;
};

struct AssignmentMenuItem {
  AssignmentMenuEntry entry;
  std::vector<AssignmentMenuEntry> subItems;  // empty for a plain item
};

using AssignmentMenuTree = std::vector<AssignmentMenuItem>;

// The whole menu for a profile: switching to the profile already active is not offered,
// so "SHIFT" always has the four other profiles.
AssignmentMenuTree BuildAssignmentMenuTree(int activeProfileIndex);

// Whether the menu of that tree can report (top, sub): sub 0 for a plain item, a sub-item
// identifier of the sub-menu `top` otherwise. A sub-menu item alone is never a choice.
bool AssignmentMenuOffers(const AssignmentMenuTree& tree, int top, int sub);

// The size the placement assumes for the menu (its pictures are as wide; it is at most
// this high with its thirteen items).
constexpr int kAssignmentMenuWidth = 157;
constexpr int kAssignmentMenuHeight = 264;

// Top-left corner of the menu for a slot whose rectangle on the screen is `slot`: one pixel
// in from its left edge, under its bottom edge; moved left or up by the whole assumed size
// when it would run off the screen.
ScreenPoint AssignmentMenuPosition(const PixelRect& slot, int screenWidth, int screenHeight);

// Picture files of the menu (normal, over, down, disabled) in the skin folder.
struct MenuPictureNames {
  const char16_t* normal;
  const char16_t* over;
  const char16_t* down;
  const char16_t* disabled;
};
constexpr MenuPictureNames kAssignmentMenuPictures{u"button_menu1_normal.png", u"button_menu1_over.png",
                                                   u"button_menu1_down.png", u"button_menu1_normal.png"};
constexpr MenuPictureNames kAssignmentSubMenuPictures{u"menu_normal.png", u"menu_over.png", u"menu_down.png",
                                                      u"menu_normal.png"};

// Index 0..4 of the profile the record names as active (0 for a damaged value).
int activeProfileIndex(const SettingsRecord& record);

}  // namespace ko
