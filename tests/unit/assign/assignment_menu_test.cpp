#include <gtest/gtest.h>

#include "assign/assignment_menu.h"

namespace ko {
namespace {

std::vector<int> ids(const std::vector<AssignmentMenuEntry>& entries) {
  std::vector<int> out;
  for (const auto& e : entries) out.push_back(e.id);
  return out;
}

const AssignmentMenuItem& itemWithKey(const AssignmentMenuTree& tree, std::u16string_view key) {
  for (const auto& item : tree)
    if (key == item.entry.key) return item;
  ADD_FAILURE() << "no such item";
  return tree.front();
}

TEST(AssignmentMenuTest, TopLevelOrderAndIdentifiers) {
  const AssignmentMenuTree tree = BuildAssignmentMenuTree(0);
  std::vector<AssignmentMenuEntry> top;
  for (const auto& item : tree) top.push_back(item.entry);
  EXPECT_EQ(ids(top), (std::vector<int>{1, 2, 3, 4, 10, 11, 6, 8, 18, 20, 19, 15, 7}));
  EXPECT_EQ(std::u16string_view(tree[6].entry.key), u"MACROCOMMAND");
  EXPECT_TRUE(tree[6].subItems.empty()) << "the macro item opens the chooser, not a sub-menu";
  EXPECT_EQ(ids(itemWithKey(tree, u"ADVANCEDCOMMAND").subItems),
            (std::vector<int>{100, 99, 12, 13, 14, 15, 23, 24, 9, 5, 101}));
  EXPECT_EQ(ids(itemWithKey(tree, u"BASICCOMMAND").subItems),
            (std::vector<int>{64, 65, 66, 67, 68, 69, 70, 71, 72}));
  EXPECT_EQ(ids(itemWithKey(tree, u"ADDITIONALCOMMAND").subItems), (std::vector<int>{80, 81, 83, 84, 85, 82}));
  EXPECT_EQ(ids(itemWithKey(tree, u"MEDIACOMMAND").subItems), (std::vector<int>{32, 33, 34, 35, 37, 38, 39}));
}

TEST(AssignmentMenuTest, ShiftListLeavesOutTheActiveProfile) {
  const AssignmentMenuTree tree = BuildAssignmentMenuTree(2);
  const auto& shift = itemWithKey(tree, u"SHIFT").subItems;
  ASSERT_EQ(ids(shift), (std::vector<int>{113, 114, 116, 117}));
  EXPECT_EQ(std::u16string_view(shift[2].key), u"SHIFT4");
  const AssignmentMenuTree first = BuildAssignmentMenuTree(0), last = BuildAssignmentMenuTree(4);
  EXPECT_EQ(ids(itemWithKey(first, u"SHIFT").subItems), (std::vector<int>{114, 115, 116, 117}));
  EXPECT_EQ(ids(itemWithKey(last, u"SHIFT").subItems), (std::vector<int>{113, 114, 115, 116}));
}

TEST(AssignmentMenuTest, OnlyReportsTheMenuCanMakeAreOffered) {
  const AssignmentMenuTree tree = BuildAssignmentMenuTree(2);
  EXPECT_TRUE(AssignmentMenuOffers(tree, 1, 0));
  EXPECT_TRUE(AssignmentMenuOffers(tree, 8, 15)) << "DPISHIFT under ADVANCEDCOMMAND";
  EXPECT_TRUE(AssignmentMenuOffers(tree, 15, 116));
  EXPECT_FALSE(AssignmentMenuOffers(tree, 15, 115)) << "the active profile's own shift";
  EXPECT_FALSE(AssignmentMenuOffers(tree, 15, 15)) << "the SHIFT sub-menu has no DPISHIFT";
  EXPECT_FALSE(AssignmentMenuOffers(tree, 8, 0)) << "a sub-menu item alone";
  EXPECT_FALSE(AssignmentMenuOffers(tree, 1, 3));
  EXPECT_FALSE(AssignmentMenuOffers(tree, 5, 0));
  EXPECT_FALSE(AssignmentMenuOffers(tree, 96, 0));
}

TEST(AssignmentMenuTest, OpensUnderTheSlotAndShiftsByTheWholeMenuAtScreenEdges) {
  const PixelRect slot{292, 219, 477, 242};
  const ScreenPoint inside = AssignmentMenuPosition(slot, 1024, 768);
  EXPECT_EQ(inside.x, 293);
  EXPECT_EQ(inside.y, 242);
  // 293 + 157 = 450 fits exactly in 450 pixels, one less does not.
  EXPECT_EQ(AssignmentMenuPosition(slot, 450, 768).x, 293);
  EXPECT_EQ(AssignmentMenuPosition(slot, 449, 768).x, 293 - 157);
  EXPECT_EQ(AssignmentMenuPosition(slot, 1024, 506).y, 242);
  const ScreenPoint corner = AssignmentMenuPosition(slot, 400, 505);
  EXPECT_EQ(corner.x, 293 - 157);
  EXPECT_EQ(corner.y, 242 - 264);
}

}  // namespace
}  // namespace ko
