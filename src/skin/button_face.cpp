#include "skin/button_face.h"

namespace ko {

ButtonFace ChooseButtonFace(const ButtonDrawState& s) {
  if (s.checkMode && s.checked) return s.disabled ? ButtonFace::Disabled : ButtonFace::Down;
  if (!s.checkMode && (s.checked || s.selected)) return ButtonFace::Down;
  // A button disabled while the pointer rests on it keeps its hover flag until the pointer
  // leaves; it must still look disabled, so that state wins over hover.
  if (s.disabled) return ButtonFace::Disabled;
  return s.hover ? ButtonFace::Over : ButtonFace::Normal;
}

Colour ButtonTextColour(ButtonFace face) {
  switch (face) {
    case ButtonFace::Over: return Rgb(200, 200, 0);
    case ButtonFace::Down: return Rgb(255, 255, 0);
    case ButtonFace::Disabled: return Rgb(100, 100, 100);
    case ButtonFace::Normal: break;
  }
  return Rgb(255, 255, 255);
}

}  // namespace ko
