// Where Tab and the arrow keys take the focus, and what the slider keys give.
#include <gtest/gtest.h>

#include "app/main_window_layouts.h"
#include "skin/focus_order.h"

namespace ko {
namespace {

std::vector<FocusCandidate> fromTable(const WindowLayout& layout) {
  std::vector<FocusCandidate> candidates;
  for (const ControlSpec& c : layout.controls)
    candidates.push_back({c.rect, c.kind == ControlKind::Button && !c.rect.empty(), 0});
  return candidates;
}

TEST(FocusOrder, TabReadsRowsFromTheTopEachFromTheLeftSkipsWhatCannotTakeItAndWraps) {
  // The start page: the three tabs share a row; a page button beside a slightly lower one
  // still reads before the next row.
  std::vector<FocusCandidate> page = fromTable(startPageLayout());
  namespace sp = start_page;
  EXPECT_EQ(nextInTabOrder(page, -1, false), sp::kImport);
  EXPECT_EQ(nextInTabOrder(page, sp::kImport, false), sp::kRestoreAll);
  EXPECT_EQ(nextInTabOrder(page, sp::kRestoreAll, false), sp::kExport);
  EXPECT_EQ(nextInTabOrder(page, sp::kExport, false), sp::kMinimise);
  EXPECT_EQ(nextInTabOrder(page, sp::kShowButtons, false), sp::kShowLighting);
  EXPECT_EQ(nextInTabOrder(page, sp::kShowMacros, false), sp::kWeb);
  EXPECT_EQ(nextInTabOrder(page, sp::kWeb, false), sp::kImport);  // wraps
  EXPECT_EQ(nextInTabOrder(page, sp::kImport, true), sp::kWeb);
  page[sp::kShowLighting].canFocus = false;  // disabled
  EXPECT_EQ(nextInTabOrder(page, sp::kShowButtons, false), sp::kShowPerformance);
  for (FocusCandidate& c : page) c.canFocus = false;
  EXPECT_EQ(nextInTabOrder(page, sp::kImport, false), -1);
}

TEST(FocusOrder, ArrowsStayInTheirGroupSkipAndWrap) {
  std::vector<FocusCandidate> tiles;
  for (int i = 0; i < 4; ++i) tiles.push_back({{10 + 50 * i, 10, 50 + 50 * i, 40}, true, 1});
  tiles.push_back({{10, 100, 50, 120}, true, 0});  // outside the group
  tiles[2].canFocus = false;
  EXPECT_EQ(nextInGroup(tiles, 1, false), 3);
  EXPECT_EQ(nextInGroup(tiles, 3, false), 0);
  EXPECT_EQ(nextInGroup(tiles, 0, true), 3);
  EXPECT_EQ(nextInGroup(tiles, 4, false), -1);
  tiles[0].canFocus = tiles[1].canFocus = false;
  EXPECT_EQ(nextInGroup(tiles, 3, false), -1);  // alone in its group
}

TEST(FocusOrder, SliderKeysStepPageAndReachTheEndsWithinTheRange) {
  const SliderRange level{1, 12};
  EXPECT_EQ(sliderValueForKey(level, 5, SliderKey::Increase), 6);
  EXPECT_EQ(sliderValueForKey(level, 5, SliderKey::Decrease), 4);
  EXPECT_EQ(sliderValueForKey(level, 5, SliderKey::PageIncrease), 8);
  EXPECT_EQ(sliderValueForKey(level, 2, SliderKey::PageDecrease), 1);
  EXPECT_EQ(sliderValueForKey(level, 5, SliderKey::Highest), 12);
  EXPECT_EQ(sliderValueForKey(level, 5, SliderKey::Lowest), 1);
  EXPECT_EQ(sliderValueForKey(level, 12, SliderKey::Increase), std::nullopt);  // nothing to report
  EXPECT_EQ(sliderValueForKey(level, 0, SliderKey::Decrease), 1);              // a stray value comes back in
  EXPECT_EQ(sliderPageStep({1, 6}), 2);
  EXPECT_EQ(sliderValueForKey({3, 3}, 3, SliderKey::Increase), std::nullopt);
}

}  // namespace
}  // namespace ko
