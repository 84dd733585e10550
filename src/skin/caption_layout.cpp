#include "skin/caption_layout.h"

namespace ko {

CaptionDirection CaptionDirectionFrom(int direction) {
  if (direction == 2) return CaptionDirection::Up;
  if (direction == 3) return CaptionDirection::Down;
  return CaptionDirection::Horizontal;
}

int CaptionEscapement(CaptionDirection direction) {
  if (direction == CaptionDirection::Up) return 900;
  if (direction == CaptionDirection::Down) return 2700;
  return 0;
}

CaptionPoint PlaceCaption(int width, int height, int cx, int cy, CaptionDirection direction, int leftOffset) {
  switch (direction) {
    case CaptionDirection::Up: return {width / 2 - cy / 2, height / 2 + cx / 2};
    case CaptionDirection::Down: return {width / 2 + cy / 2, height / 2 - cx / 2};
    case CaptionDirection::Horizontal: break;
  }
  return {leftOffset != 0 ? leftOffset : width / 2 - cx / 2, height / 2 - cy / 2};
}

CaptionBoxFormat CaptionBoxFormatFor(CaptionBox box) {
  switch (box) {
    case CaptionBox::LeftWrapped: return {true, false, false};
    case CaptionBox::CentredWrapped: return {true, true, false};
    case CaptionBox::CentredSingleLine: return {false, true, true};
    case CaptionBox::None: break;
  }
  return {};
}

}  // namespace ko
