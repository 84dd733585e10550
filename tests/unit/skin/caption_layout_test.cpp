// Where a skinned button's caption is drawn.
#include <gtest/gtest.h>

#include "skin/caption_layout.h"

namespace ko {
namespace {

TEST(CaptionLayout, HorizontalCaptionIsCentredUnlessItHasALeftOffset) {
  const CaptionPoint centred = PlaceCaption(100, 30, 41, 15, CaptionDirection::Horizontal, 0);
  EXPECT_EQ(centred.x, 50 - 20);
  EXPECT_EQ(centred.y, 15 - 7);
  const CaptionPoint offset = PlaceCaption(100, 30, 41, 15, CaptionDirection::Horizontal, 10);
  EXPECT_EQ(offset.x, 10);
  EXPECT_EQ(offset.y, 8);
}

TEST(CaptionLayout, RotatedCaptionsTurnAboutTheirReferencePoint) {
  // Text running upwards starts low and to the left of the centre line.
  const CaptionPoint up = PlaceCaption(30, 100, 41, 15, CaptionDirection::Up, 10);
  EXPECT_EQ(up.x, 15 - 7);
  EXPECT_EQ(up.y, 50 + 20);
  // Text running downwards starts high and to the right.
  const CaptionPoint down = PlaceCaption(30, 100, 41, 15, CaptionDirection::Down, 10);
  EXPECT_EQ(down.x, 15 + 7);
  EXPECT_EQ(down.y, 50 - 20);
  EXPECT_EQ(CaptionEscapement(CaptionDirection::Up), 900);
  EXPECT_EQ(CaptionEscapement(CaptionDirection::Down), 2700);
  EXPECT_EQ(CaptionEscapement(CaptionDirection::Horizontal), 0);
}

TEST(CaptionLayout, UnknownDirectionsDrawHorizontally) {
  EXPECT_EQ(CaptionDirectionFrom(0), CaptionDirection::Horizontal);
  EXPECT_EQ(CaptionDirectionFrom(1), CaptionDirection::Horizontal);
  EXPECT_EQ(CaptionDirectionFrom(2), CaptionDirection::Up);
  EXPECT_EQ(CaptionDirectionFrom(3), CaptionDirection::Down);
  EXPECT_EQ(CaptionDirectionFrom(7), CaptionDirection::Horizontal);
}

TEST(CaptionLayout, EachCaptionBoxPicksItsWrappingAndCentring) {
  const auto left = CaptionBoxFormatFor(CaptionBox::LeftWrapped);
  EXPECT_TRUE(left.wordWrap && !left.centreHorizontally && !left.singleLine);
  const auto centred = CaptionBoxFormatFor(CaptionBox::CentredWrapped);
  EXPECT_TRUE(centred.wordWrap && centred.centreHorizontally && !centred.singleLine);
  const auto single = CaptionBoxFormatFor(CaptionBox::CentredSingleLine);
  EXPECT_TRUE(!single.wordWrap && single.centreHorizontally && single.singleLine);
}

}  // namespace
}  // namespace ko
