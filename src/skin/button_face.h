// Which state picture and text colour a skinned picture button draws, from its mode and
// the platform's drawing state. Colours are 0x00BBGGRR values, as the platform takes them.
#pragma once
#include <cstdint>

namespace ko {

using Colour = uint32_t;
constexpr Colour Rgb(int r, int g, int b) {
  return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Colour c) { return c & 0xFF; }
constexpr int GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Colour c) { return (c >> 16) & 0xFF; }

enum class ButtonFace { Normal, Over, Down, Disabled };

struct ButtonDrawState {
  bool checkMode = false;  // two-state button
  bool checked = false;
  bool selected = false;   // being pressed
  bool disabled = false;
  bool hover = false;
};

ButtonFace ChooseButtonFace(const ButtonDrawState& state);

// Fixed caption colours: white, RGB(200,200,0) hover, RGB(255,255,0) down, RGB(100,100,100)
// disabled.
Colour ButtonTextColour(ButtonFace face);

}  // namespace ko
