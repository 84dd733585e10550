// The skinned popup menu: its item list, geometry, sub-menu decisions and message packing.
#include <gtest/gtest.h>

#include "skin/menu_geometry.h"
#include "skin/menu_items.h"

namespace ko {
namespace {

TEST(MenuItems, SubItemsHangUnderTheirItemAndLongTextIsCut) {
  BmpMenuItems items;
  items.AddItem(u"Left click", 1);
  items.AddItem(Text(300, u'w'), 2);
  EXPECT_FALSE(items[0].hasSubMenu);
  EXPECT_EQ(items[0].subItemCount(), 0u);
  EXPECT_TRUE(items.AddSubItem(0, u"Sub", 9));
  EXPECT_TRUE(items.AddSubItem(0, u"Sub two", 10));
  EXPECT_FALSE(items.AddSubItem(5, u"nowhere", 1));
  EXPECT_EQ(items[0].hasSubMenu, 1);
  EXPECT_EQ(items[0].subMenuOpen, 0);
  ASSERT_EQ(items[0].subItemCount(), 2u);
  EXPECT_EQ((*items[0].subItems)[1].textView(), u"Sub two");
  EXPECT_EQ((*items[0].subItems)[1].value, 10);
  EXPECT_EQ(items[1].textView(), Text(259, u'w'));
  items.Clear();
  EXPECT_TRUE(items.empty());
}

TEST(MenuItems, OnlyTheMenuThatFilledTheListEmptiesIt) {
  // A second menu is filled while the first is still open; the first one's teardown comes
  // after and must leave the second one's items alone.
  BmpMenuItems list;
  int oldMenu = 0, newMenu = 0;
  list.ClaimFor(&oldMenu);
  list.AddItem(u"Old", 1);
  list.ClaimFor(&newMenu);
  EXPECT_TRUE(list.empty()) << "a new menu starts from no items";
  list.AddItem(u"Insert", 0);
  list.AddItem(u"Copy", 1);
  list.ReleaseBy(&oldMenu);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1].textView(), u"Copy");
  list.ClaimFor(&newMenu);
  EXPECT_EQ(list.size(), 2u) << "claiming again keeps what this menu added";
  list.ReleaseBy(&newMenu);
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(list.filledBy(), nullptr);
}

TEST(MenuGeometry, ItemRowsAre24HighOr19InCompactModeAndStopAtThePicture) {
  const PixelRect third = MenuItemRect(2, 157, 312, false);
  EXPECT_EQ(third.left, 0);
  EXPECT_EQ(third.top, 48);
  EXPECT_EQ(third.right, 157);
  EXPECT_EQ(third.bottom, 72);
  const PixelRect compact = MenuItemRect(2, 157, 312, true);
  EXPECT_EQ(compact.top, 39);
  EXPECT_EQ(compact.bottom, 57);
  EXPECT_EQ(MenuItemRect(12, 157, 300, false).bottom, 300);
  EXPECT_EQ(SubMenuHeight(11), 265);
  const PixelRect sub = SubMenuItemRect(3, 140);
  EXPECT_EQ(sub.top, 72);
  EXPECT_EQ(sub.bottom, 96);
  EXPECT_EQ(sub.right, 140);
}

TEST(MenuGeometry, SubMenuOpensBesideTheMenuAndShiftsAtTheScreenEdges) {
  const ScreenPoint beside = SubMenuPosition({100, 200}, 157, 157, 3, 4, 1280, 1024);
  EXPECT_EQ(beside.x, 257);
  EXPECT_EQ(beside.y, 272);
  const ScreenPoint left = SubMenuPosition({1100, 200}, 157, 157, 0, 4, 1280, 1024);
  EXPECT_EQ(left.x, 1100 - 157);
  // A bottom item near the lower edge: up by 24 for each sub-item after the first.
  const ScreenPoint up = SubMenuPosition({100, 700}, 157, 157, 12, 5, 1280, 1024);
  EXPECT_EQ(up.y, 700 + 288 - 96);
  const ScreenPoint fits = SubMenuPosition({100, 700}, 157, 157, 12, 2, 1280, 1024);
  EXPECT_EQ(fits.y, 988);
}

struct MenuOnScreen {
  std::vector<PixelRect> items;
  std::vector<bool> hasSub;
  MenuOnScreen() {
    for (int i = 0; i < 4; ++i) items.push_back({100, 100 + 24 * i, 257, 124 + 24 * i});
    hasSub = {true, false, true, false};
  }
  PixelRect subMenuOf(int item) const { return {257, 100 + 24 * item, 414, 100 + 24 * item + 73}; }
};

TEST(SubMenuHover, AnItemWithSubItemsOpensItsSubMenuAndAPlainItemClosesIt) {
  MenuOnScreen menu;
  SubMenuChange open = DecideSubMenu({150, 110}, menu.items, menu.hasSub, -1, {});
  EXPECT_FALSE(open.closeOpen);
  EXPECT_EQ(open.openItem, 0);
  SubMenuChange stay = DecideSubMenu({160, 112}, menu.items, menu.hasSub, 0, menu.subMenuOf(0));
  EXPECT_FALSE(stay.closeOpen);
  EXPECT_EQ(stay.openItem, -1);
  SubMenuChange plain = DecideSubMenu({150, 130}, menu.items, menu.hasSub, 0, menu.subMenuOf(0));
  EXPECT_TRUE(plain.closeOpen);
  EXPECT_EQ(plain.openItem, -1);
}

TEST(SubMenuHover, MovingIntoTheOpenSubMenuKeepsItOpen) {
  MenuOnScreen menu;
  // Below item 0's row, inside its sub-menu (which overlaps the rows of items 1 and 2).
  SubMenuChange inside = DecideSubMenu({300, 150}, menu.items, menu.hasSub, 0, menu.subMenuOf(0));
  EXPECT_FALSE(inside.closeOpen);
  EXPECT_EQ(inside.openItem, -1);
}

TEST(SubMenuHover, MovingToAnotherItemWithSubItemsSwapsTheSubMenus) {
  MenuOnScreen menu;
  SubMenuChange swap = DecideSubMenu({150, 160}, menu.items, menu.hasSub, 0, menu.subMenuOf(0));
  EXPECT_TRUE(swap.closeOpen);
  EXPECT_EQ(swap.openItem, 2);
  SubMenuChange away = DecideSubMenu({600, 600}, menu.items, menu.hasSub, 2, menu.subMenuOf(2));
  EXPECT_TRUE(away.closeOpen);
  EXPECT_EQ(away.openItem, -1);
}

TEST(MenuMessages, ChoicesPackIndexesAndValuesIntoTheWords) {
  const MenuMessage plain = PackItemChoice(4, 12);
  EXPECT_EQ(plain.wParam, 0x00040000u);
  EXPECT_EQ(plain.lParam, 0x000C0000u);
  const MenuMessage report = PackSubMenuReport(5, 2, 3);
  EXPECT_EQ(report.wParam, 0x00050002u);
  EXPECT_EQ(report.lParam, 3u);
  const MenuMessage chosen = PackSubItemChoice(report, 7);
  EXPECT_EQ(chosen.wParam, 0x00050002u);
  EXPECT_EQ(chosen.lParam, 0x00070003u);
  // Only the low 16 bits of a sub-item value travel.
  EXPECT_EQ(PackSubItemChoice(PackSubMenuReport(1, 0, 0x12345), 2).lParam, 0x00022345u);
  EXPECT_EQ(HighWord(chosen.wParam), 5);
  EXPECT_EQ(LowWord(chosen.wParam), 2);
}

}  // namespace
}  // namespace ko
