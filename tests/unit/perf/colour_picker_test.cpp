// The colour picker's arithmetic: hue table, shade gradient, bar dragging, plus/minus and
// the edit fields.
#include <gtest/gtest.h>

#include "perf/colour_picker.h"

namespace ko {
namespace {

struct Channels {
  int r, g, b;
  bool operator==(const Channels& o) const { return r == o.r && g == o.g && b == o.b; }
};
Channels Split(uint32_t c) { return {RedOf(c), GreenOf(c), BlueOf(c)}; }
std::ostream& operator<<(std::ostream& os, const Channels& c) { return os << c.r << "," << c.g << "," << c.b; }

TEST(HueTable, EntryOneIsBlackAndTheLegsMeetAtTheirBounds) {
  EXPECT_EQ(HueTableEntry(1), 0u);
  EXPECT_EQ(HueTableEntry(0), 0u);
  EXPECT_EQ(HueTableEntry(191), 0u);
  const struct {
    int index;
    Channels colour;
  } bounds[] = {{2, {255, 0, 5}},   {29, {255, 0, 251}}, {30, {254, 0, 255}}, {64, {1, 0, 255}},
                {65, {0, 3, 255}},  {95, {0, 255, 255}}, {96, {0, 255, 251}}, {129, {0, 255, 2}},
                {130, {2, 255, 0}}, {162, {254, 255, 0}}, {163, {255, 252, 0}}, {190, {255, 16, 0}}};
  for (const auto& b : bounds) EXPECT_EQ(Split(HueTableEntry(b.index)), b.colour) << "entry " << b.index;
  // Inside every leg one channel is full and one is off.
  for (int i = 2; i <= 190; ++i) {
    const Channels c = Split(HueTableEntry(i));
    EXPECT_GE((c.r == 255) + (c.g == 255) + (c.b == 255), 1) << i;
    EXPECT_GE((c.r == 0) + (c.g == 0) + (c.b == 0), 1) << i;
  }
  // Red rises from 1 to 254 nowhere but in the green-to-yellow leg, monotonically.
  for (int i = 131; i <= 162; ++i) EXPECT_GT(RedOf(HueTableEntry(i)), RedOf(HueTableEntry(i - 1))) << i;
}

TEST(ShadeSquare, GreyLeftHueRightDarkerDownwards) {
  const uint32_t red = Rgb(255, 0, 0);
  EXPECT_EQ(Split(ShadeColourAt(0, 0, red)), (Channels{255, 255, 255}));
  EXPECT_EQ(Split(ShadeColourAt(192, 0, red)), (Channels{255, 0, 0}));
  EXPECT_EQ(Split(ShadeColourAt(0, 190, red)), (Channels{2, 2, 2}));  // 255 - floor(190*255/191)
  // Darkened by d = h*255/191, truncated: row 100 takes 133.5 off, 255 -> 121.
  EXPECT_EQ(Split(ShadeColourAt(192, 100, red)), (Channels{121, 0, 0}));
  EXPECT_EQ(Split(ShadeColourAt(96, 0, red)), (Channels{255, 128, 128}));
  EXPECT_TRUE(InShadeSquare(0, 1));
  EXPECT_TRUE(InShadeSquare(190, 191));
  EXPECT_FALSE(InShadeSquare(191, 100));
  EXPECT_FALSE(InShadeSquare(10, 0));
  EXPECT_TRUE(InHueBar(196, 2));
  EXPECT_TRUE(InHueBar(218, 192));
  EXPECT_FALSE(InHueBar(195, 50));
  EXPECT_FALSE(InHueBar(200, 193));
}

TEST(ColourPicker, DraggingAboveTheBarGivesBlackPostedOnceOnRelease) {
  ColourPicker picker;
  picker.reset(0x123456);
  EXPECT_EQ(picker.barPosition(), 1);
  EXPECT_EQ(picker.hue(), 255u);
  EXPECT_EQ(picker.colour(), 0x123456u);
  picker.pressBar(100);
  EXPECT_TRUE(picker.dragging());
  EXPECT_EQ(picker.colour(), HueTableEntry(99));
  EXPECT_TRUE(picker.dragBar(-40));
  EXPECT_EQ(picker.barPosition(), 2);
  EXPECT_EQ(picker.colour(), 0u);
  EXPECT_FALSE(picker.dragBar(-40)) << "the same y again is not a new move";
  EXPECT_EQ(picker.releaseBar(), std::optional<uint32_t>(0u));
  EXPECT_FALSE(picker.releaseBar().has_value()) << "posted once";
  EXPECT_FALSE(picker.dragBar(50)) << "no drag after the release";
  picker.pressBar(500);
  EXPECT_EQ(picker.barPosition(), 191);
  EXPECT_EQ(picker.colour(), HueTableEntry(190));
  EXPECT_EQ(picker.markerX(), 190);
  EXPECT_EQ(picker.markerY(), 1);
}

TEST(ColourPicker, PlusMinusSaturate) {
  ColourPicker picker;
  picker.reset(Rgb(254, 1, 128));
  picker.stepChannel(ColourChannel::Red, +1);
  picker.stepChannel(ColourChannel::Red, +1);
  picker.stepChannel(ColourChannel::Green, -1);
  picker.stepChannel(ColourChannel::Green, -1);
  picker.stepChannel(ColourChannel::Blue, +1);
  EXPECT_EQ(Split(picker.colour()), (Channels{255, 0, 129}));
}

TEST(ColourPicker, EditFields) {
  ColourPicker picker;
  picker.reset(0);
  std::optional<Text> replacement;
  EXPECT_EQ(Split(picker.channelTyped(ColourChannel::Red, u"300", u"0", u"0", &replacement)), (Channels{255, 0, 0}));
  ASSERT_TRUE(replacement.has_value());
  EXPECT_EQ(toUtf8(*replacement), "255");
  EXPECT_EQ(Split(picker.channelTyped(ColourChannel::Blue, u"12", u"", u"abc", &replacement)), (Channels{12, 0, 0}));
  EXPECT_FALSE(replacement.has_value());

  EXPECT_EQ(Split(picker.hexTyped(u"ff")), (Channels{255, 0, 0}));
  EXPECT_EQ(Split(picker.hexTyped(u"0A0B0C")), (Channels{12, 11, 10}));
  EXPECT_EQ(Split(picker.hexTyped(u"zz")), (Channels{0, 0, 0}));
  EXPECT_EQ(ReadHexField(u"fffffffff"), 0xFFFFFFFFu);
  EXPECT_EQ(ReadDecimalField(u"99999999999"), 0xFFFFFFu);

  const ColourFields f = FieldsFor(Rgb(255, 16, 1));
  EXPECT_EQ(toUtf8(f.red), "255");
  EXPECT_EQ(toUtf8(f.green), "16");
  EXPECT_EQ(toUtf8(f.blue), "1");
  EXPECT_EQ(toUtf8(f.hex), "0110ff");
}

}  // namespace
}  // namespace ko
