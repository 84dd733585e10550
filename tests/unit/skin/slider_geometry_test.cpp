// The skinned slider's arithmetic: thumb place, click values and drag-end values.
#include <gtest/gtest.h>

#include "skin/slider_geometry.h"

namespace ko {
namespace {

TEST(SliderGeometry, ThumbSitsInProportionAndOutOfRangeValuesGoToTheMinimum) {
  const SliderRange range{1, 12};
  EXPECT_EQ(ThumbLeftForValue(range, 120, 10, 1), 0);
  EXPECT_EQ(ThumbLeftForValue(range, 120, 10, 12), 110);
  EXPECT_EQ(ThumbLeftForValue(range, 120, 10, 6), 110 * 5 / 11);
  EXPECT_EQ(ThumbLeftForValue(range, 120, 10, 0), 0);
  EXPECT_EQ(ThumbLeftForValue(range, 120, 10, 13), 0);
  EXPECT_EQ(ThumbLeftForValue(range, 120, 10, -400), 0);
}

TEST(SliderGeometry, ClickRoundsUpOnlyPastHalfAStep) {
  // Range 1..12 on a track from x 40 to 160: ten pixels a step.
  const SliderRange range{1, 12};
  EXPECT_EQ(ValueForTrackClick(range, 40, 160, 40 + 25), 3);
  EXPECT_EQ(ValueForTrackClick(range, 40, 160, 40 + 26), 4);
  EXPECT_EQ(ValueForTrackClick(range, 40, 160, 40), 1);
}

TEST(SliderGeometry, ClickRemainderIsCountedFromTheTrackStartWhateverTheMinimum) {
  // 190 steps on 380 pixels: two pixels a step, so one pixel past a step never rounds up.
  const SliderRange range{10, 200};
  EXPECT_EQ(ValueForTrackClick(range, 0, 380, 0), 10);
  EXPECT_EQ(ValueForTrackClick(range, 0, 380, 21), 20);
  EXPECT_EQ(ValueForTrackClick(range, 0, 380, 22), 21);
  // 190 steps on 570 pixels: three a step, the second pixel past a step rounds up.
  EXPECT_EQ(ValueForTrackClick(range, 100, 670, 100 + 31), 20);
  EXPECT_EQ(ValueForTrackClick(range, 100, 670, 100 + 32), 21);
}

TEST(SliderGeometry, ClicksBeyondTheTrackEndsGiveMinimumAndMaximum) {
  const SliderRange range{1, 12};
  EXPECT_EQ(ValueForTrackClick(range, 40, 160, 0), 1);
  EXPECT_EQ(ValueForTrackClick(range, 40, 160, -5000), 1);
  EXPECT_EQ(ValueForTrackClick(range, 40, 160, 161), 12);
  EXPECT_EQ(ValueForTrackClick(range, 40, 160, 5000), 12);
}

TEST(SliderGeometry, DragEndRoundsWithTheTrackWidthStep) {
  // Range 0..10, track 120, thumb 20: travel 100, step 12.
  const SliderRange range{0, 10};
  EXPECT_EQ(ValueForDragEnd(range, 120, 20, 0), 0);
  EXPECT_EQ(ValueForDragEnd(range, 120, 20, 100), 10);
  EXPECT_EQ(ValueForDragEnd(range, 120, 20, 30), 3);   // q 3, 30 - 36 < 6
  EXPECT_EQ(ValueForDragEnd(range, 120, 20, 19), 2);   // q 1, 19 - 12 = 7 > 6
  EXPECT_EQ(ValueForDragEnd(range, 120, 20, 18), 1);   // q 1, 18 - 12 = 6, not above
  EXPECT_EQ(ValueForDragEnd({5, 15}, 120, 20, 19), 7);
}

TEST(SliderGeometry, DraggedThumbStaysOnTheTrack) {
  EXPECT_EQ(DraggedThumbLeft(40, 15, 120, 20), 55);
  EXPECT_EQ(DraggedThumbLeft(40, -100, 120, 20), 0);
  EXPECT_EQ(DraggedThumbLeft(40, 500, 120, 20), 100);
  EXPECT_EQ(DraggedThumbLeft(0, 5, 10, 20), 0);  // thumb wider than the track
}

TEST(SliderGeometry, DegenerateRangesAndTracksAnswerTheMinimumInsteadOfDividingByZero) {
  EXPECT_EQ(ThumbLeftForValue({4, 4}, 120, 10, 4), 0);
  EXPECT_EQ(ValueForTrackClick({4, 4}, 0, 120, 60), 4);
  EXPECT_EQ(ValueForTrackClick({1, 12}, 50, 50, 60), 1);
  EXPECT_EQ(ValueForDragEnd({4, 4}, 120, 10, 30), 4);
  EXPECT_EQ(ValueForDragEnd({1, 12}, 10, 10, 0), 1);
  // More values than pixels: the step is 0, the quotient is already the nearest value
  // below and no half step exists to round past.
  EXPECT_EQ(ValueForTrackClick({0, 1000}, 0, 100, 50), 500);
  EXPECT_EQ(ValueForDragEnd({0, 1000}, 100, 0, 50), 500);
}

}  // namespace
}  // namespace ko
