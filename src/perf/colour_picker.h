// The colour picker's rules: the hue table behind the hue bar, the shade square's
// gradient, the marker and bar state, the plus/minus steps and the four edit fields.
// Colours are 0x00BBGGRR values (red in the low byte; Rgb() and RedOf() of the skin), as
// "LedColor" stores them.
#pragma once
#include <cstdint>
#include <optional>
#include "platform/wide_text.h"
#include "skin/button_face.h"

namespace ko {

// Hue table entries 1..190 (bar position - 1): entry 1 is black, entries 2..190 go once
// round the hue circle in six legs, red to magenta, blue, cyan, green, yellow and back
// towards red. Indices outside 1..190 give black.
uint32_t HueTableEntry(int index);

namespace picker_geometry {
// The shade square, client coordinates of the picker, both ends included.
inline constexpr int kSquareLeft = 0, kSquareRight = 190, kSquareTop = 1, kSquareBottom = 191;
// Row h of the square (0..190) is drawn at y = kSquareTop + h, from x 0 to x kShadeRowEnd.
inline constexpr int kShadeRows = 191;
inline constexpr int kShadeRowEnd = 192;
// The hue bar: pressed anywhere over its slot.
inline constexpr int kBarLeft = 196, kBarRight = 218, kBarTop = 2, kBarBottom = 192;
inline constexpr int kBarPositionMin = 2, kBarPositionMax = 191;
}  // namespace picker_geometry

bool InShadeSquare(int x, int y);
bool InHueBar(int x, int y);

// The colour of the shade square at column x (0..192) of row h (0..190) for a hue colour:
// from grey on the left (255 falling to 0 down the square) to the hue darkened by the same
// amount on the right.
uint32_t ShadeColourAt(int x, int h, uint32_t hue);

enum class ColourChannel { Red, Green, Blue };

// The edit fields' texts for a colour: decimal channels and the 6-digit hexadecimal value.
struct ColourFields {
  Text red, green, blue, hex;
};
ColourFields FieldsFor(uint32_t colour);

// The leading decimal digits of a field; anything that is not a number reads as 0.
uint32_t ReadDecimalField(TextView text);
// The leading hexadecimal digits (an optional "0x" first); not a number reads as 0.
uint32_t ReadHexField(TextView text);

class ColourPicker {
 public:
  // The state when the lighting page is shown: marker at the square's top right, hue pure
  // red, bar thumb at rest above the bar, the colour the settings hold.
  void reset(uint32_t colour);

  // A press on the hue bar: bar position from y, hue and colour from the table, dragging.
  void pressBar(int y);
  // A move while dragging; true when the y was new and the colour was taken again.
  bool dragBar(int y);
  // The release that ends a drag: the colour to post, once.
  std::optional<uint32_t> releaseBar();
  // A press in the shade square with the colour drawn there.
  void pickShade(int x, int y, uint32_t shownColour);
  // Plus (+1) or minus (-1) on one channel, saturating at 0 and 255.
  void stepChannel(ColourChannel channel, int delta);

  // The hexadecimal field was typed in: the colour it names.
  uint32_t hexTyped(TextView hex);
  // A decimal field was typed in. The changed field is limited to 255; `replacement` is
  // set when its text has to be replaced (by "255").
  uint32_t channelTyped(ColourChannel changed, TextView red, TextView green, TextView blue,
                        std::optional<Text>* replacement);

  int markerX() const { return markerX_; }
  int markerY() const { return markerY_; }
  uint32_t hue() const { return hue_; }
  uint32_t colour() const { return colour_; }
  bool dragging() const { return dragging_; }
  int barPosition() const { return barPosition_; }

 private:
  void takeBar(int y);

  int markerX_ = 190, markerY_ = 1;
  uint32_t hue_ = 255;
  uint32_t colour_ = 255;
  bool dragging_ = false;
  int barPosition_ = 1;
  int lastDragY_ = 0;
};

}  // namespace ko
