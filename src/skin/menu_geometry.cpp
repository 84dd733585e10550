#include "skin/menu_geometry.h"

#include <algorithm>

namespace ko {
namespace {

uint32_t pack(uint32_t high, uint32_t low) { return ((high & 0xFFFF) << 16) | (low & 0xFFFF); }

}  // namespace

int MenuItemHeight(bool compact) { return compact ? kCompactMenuItemHeight : kMenuItemHeight; }

PixelRect MenuItemRect(int index, int width, int pictureHeight, bool compact) {
  const int h = MenuItemHeight(compact);
  const int top = index * h + (compact ? 1 : 0);
  return {0, top, width, std::min((index + 1) * h, pictureHeight)};
}

int SubMenuHeight(int subItemCount) { return kMenuItemHeight * subItemCount + 1; }

PixelRect SubMenuItemRect(int index, int width) {
  return {0, kMenuItemHeight * index, width, kMenuItemHeight * index + kMenuItemHeight};
}

ScreenPoint SubMenuPosition(ScreenPoint menu, int menuWidth, int subMenuWidth, int itemIndex, int subItemCount,
                            int screenWidth, int screenHeight) {
  ScreenPoint p{menu.x + menuWidth, menu.y + kMenuItemHeight * itemIndex};
  if (p.x + subMenuWidth > screenWidth) p.x -= menuWidth + subMenuWidth;
  const int lastItemOffset = kMenuItemHeight * (subItemCount - 1);
  if (p.y + lastItemOffset > screenHeight) p.y -= lastItemOffset;
  return p;
}

bool Contains(const PixelRect& r, ScreenPoint p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

SubMenuChange DecideSubMenu(ScreenPoint p, const std::vector<PixelRect>& itemRects,
                            const std::vector<bool>& hasSubItems, int openItem, const PixelRect& openSubMenuRect) {
  SubMenuChange change;
  const bool insideSubMenu = openItem >= 0 && Contains(openSubMenuRect, p);
  for (int i = 0; i < static_cast<int>(itemRects.size()); ++i) {
    const bool hasSub = i < static_cast<int>(hasSubItems.size()) && hasSubItems[i];
    if (Contains(itemRects[i], p)) {
      if (openItem == i) break;
      if (openItem >= 0) {
        change.closeOpen = true;
        openItem = -1;
      }
      if (hasSub) {
        change.openItem = i;
        openItem = i;
      }
    } else if (openItem == i && !insideSubMenu) {
      change.closeOpen = true;
      openItem = -1;
    }
  }
  return change;
}

MenuMessage PackItemChoice(int itemIndex, int32_t itemValue) {
  return {pack(static_cast<uint32_t>(itemIndex), 0), pack(static_cast<uint32_t>(itemValue), 0)};
}

MenuMessage PackSubMenuReport(int itemIndex, int subItemIndex, int32_t subItemValue) {
  return {pack(static_cast<uint32_t>(itemIndex), static_cast<uint32_t>(subItemIndex)),
          static_cast<uint32_t>(subItemValue) & 0xFFFF};
}

MenuMessage PackSubItemChoice(MenuMessage report, int32_t itemValue) {
  return {report.wParam, pack(static_cast<uint32_t>(itemValue), report.lParam)};
}

}  // namespace ko
