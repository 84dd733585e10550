// Where a picture button's caption goes: a free caption placed by its size, offset and
// direction, or a caption drawn into a given rectangle in one of three ways.
#pragma once

namespace ko {

enum class CaptionDirection { Horizontal = 1, Up = 2, Down = 3 };  // Up: 90 degrees counter-clockwise

// Direction as stored by callers; anything unknown draws horizontally.
CaptionDirection CaptionDirectionFrom(int direction);
// Font escapement in tenths of a degree: 900 for Up, 2700 for Down, 0 otherwise.
int CaptionEscapement(CaptionDirection direction);

struct CaptionPoint {
  int x = 0, y = 0;
};

// The text's reference point for a caption measured cx x cy on a width x height button.
// Rotated text turns about its reference point, hence the different formulas per direction.
// A non-zero left offset places horizontal text at that distance from the left edge.
CaptionPoint PlaceCaption(int width, int height, int textCx, int textCy, CaptionDirection direction,
                          int leftOffset);

enum class CaptionBox { None, LeftWrapped, CentredWrapped, CentredSingleLine };

// How a caption rectangle is filled; always with end ellipsis, no clipping and vertical
// centring.
struct CaptionBoxFormat {
  bool wordWrap = false;
  bool centreHorizontally = false;
  bool singleLine = false;
};
CaptionBoxFormat CaptionBoxFormatFor(CaptionBox box);

}  // namespace ko
