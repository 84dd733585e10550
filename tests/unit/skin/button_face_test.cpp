// The picture and caption colour a skinned button draws in every combination of its mode
// and the platform's drawing state.
#include <gtest/gtest.h>

#include "skin/button_face.h"

namespace ko {
namespace {

ButtonFace face(bool checkMode, bool checked, bool selected, bool disabled, bool hover) {
  return ChooseButtonFace({checkMode, checked, selected, disabled, hover});
}

TEST(ButtonFace, TwoStateButtonShowsDownWhileCheckedEvenWhenHoveredOrPressed) {
  for (bool selected : {false, true})
    for (bool hover : {false, true}) EXPECT_EQ(face(true, true, selected, false, hover), ButtonFace::Down);
}

TEST(ButtonFace, DisabledCheckedTwoStateButtonShowsDisabled) {
  for (bool hover : {false, true}) EXPECT_EQ(face(true, true, false, true, hover), ButtonFace::Disabled);
}

TEST(ButtonFace, UncheckedTwoStateButtonFollowsHoverAndEnabledState) {
  EXPECT_EQ(face(true, false, false, false, false), ButtonFace::Normal);
  EXPECT_EQ(face(true, false, false, false, true), ButtonFace::Over);
  EXPECT_EQ(face(true, false, false, true, false), ButtonFace::Disabled);
  // A two-state button's press does not show down until the release checks it.
  EXPECT_EQ(face(true, false, true, false, true), ButtonFace::Over);
}

TEST(ButtonFace, PushButtonShowsDownWhenCheckedOrPressedThenOverThenDisabled) {
  EXPECT_EQ(face(false, true, false, false, false), ButtonFace::Down);
  EXPECT_EQ(face(false, true, false, true, false), ButtonFace::Down);
  EXPECT_EQ(face(false, false, true, false, true), ButtonFace::Down);
  EXPECT_EQ(face(false, false, false, false, true), ButtonFace::Over);
  EXPECT_EQ(face(false, false, false, true, false), ButtonFace::Disabled);
  EXPECT_EQ(face(false, false, false, false, false), ButtonFace::Normal);
}

TEST(ButtonFace, ADisabledButtonStillUnderThePointerLooksDisabled) {
  EXPECT_EQ(face(false, false, false, true, true), ButtonFace::Disabled);
  EXPECT_EQ(face(true, false, false, true, true), ButtonFace::Disabled);
}

TEST(ButtonFace, CaptionColoursAreFixedPerFace) {
  EXPECT_EQ(ButtonTextColour(ButtonFace::Normal), Rgb(255, 255, 255));
  EXPECT_EQ(ButtonTextColour(ButtonFace::Over), Rgb(200, 200, 0));
  EXPECT_EQ(ButtonTextColour(ButtonFace::Down), Rgb(255, 255, 0));
  EXPECT_EQ(ButtonTextColour(ButtonFace::Disabled), Rgb(100, 100, 100));
  EXPECT_EQ(Rgb(1, 2, 3), 0x030201u);
}

}  // namespace
}  // namespace ko
