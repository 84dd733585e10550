// The geometry of the skinned popup menu and its sub-menu, which sub-menu the pointer
// opens or closes, and how a choice is packed into the menu's messages.
#pragma once
#include <cstdint>
#include <vector>
#include "skin/window_layout.h"

namespace ko {

inline constexpr unsigned kSubMenuChoiceMessage = 0x500;  // sub-menu -> its menu
inline constexpr unsigned kMenuChoiceMessage = 0x501;     // menu -> the opener

inline constexpr int kMenuItemHeight = 24;
inline constexpr int kCompactMenuItemHeight = 19;

int MenuItemHeight(bool compact);
// Item `index` of a menu whose pictures are width x pictureHeight.
PixelRect MenuItemRect(int index, int width, int pictureHeight, bool compact);

// Sub-menu of `subItemCount` items: height 24 per item plus one line.
int SubMenuHeight(int subItemCount);
PixelRect SubMenuItemRect(int index, int width);

struct ScreenPoint {
  int x = 0, y = 0;
};

// Top-left of the sub-menu of item `itemIndex`: beside the menu, moved to the menu's left
// when it would leave the screen to the right, and up when its last item would leave it at
// the bottom.
ScreenPoint SubMenuPosition(ScreenPoint menu, int menuWidth, int subMenuWidth, int itemIndex, int subItemCount,
                            int screenWidth, int screenHeight);

bool Contains(const PixelRect& r, ScreenPoint p);

// What the pointer at `p` does to the sub-menus, given the item rectangles in screen
// coordinates, which items have sub-items, the item whose sub-menu is open (-1 for none)
// and the open sub-menu's screen rectangle.
struct SubMenuChange {
  bool closeOpen = false;  // destroy the sub-menu that is open now
  int openItem = -1;       // then open the sub-menu of this item (-1: none)
};
SubMenuChange DecideSubMenu(ScreenPoint p, const std::vector<PixelRect>& itemRects,
                            const std::vector<bool>& hasSubItems, int openItem, const PixelRect& openSubMenuRect);

struct MenuMessage {
  uint32_t wParam = 0;
  uint32_t lParam = 0;
};

// 0x501 for a plain item: index and value in the high words.
MenuMessage PackItemChoice(int itemIndex, int32_t itemValue);
// 0x500 from a sub-menu: item and sub-item index, and the sub-item value's low 16 bits.
MenuMessage PackSubMenuReport(int itemIndex, int subItemIndex, int32_t subItemValue);
// 0x501 for a sub-item, made from the sub-menu's 0x500 and the item's value.
MenuMessage PackSubItemChoice(MenuMessage subMenuReport, int32_t itemValue);

inline int HighWord(uint32_t v) { return static_cast<int>(v >> 16); }
inline int LowWord(uint32_t v) { return static_cast<int>(v & 0xFFFF); }

}  // namespace ko
