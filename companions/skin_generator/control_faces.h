// The face of one control in one state, drawn at its rectangle according to its look.
// Captions are not drawn: the controls draw them at run time in their state's colour.
#pragma once
#include "canvas.h"
#include "skin/window_layout.h"

namespace skingen {

enum class Face { Normal, Over, Down, Disabled };

// Which face of a control a full picture shows: the picture feeds some of the control's
// states (its StateSources); a picture that feeds none shows the normal face.
Face faceForPicture(const ko::ControlSpec& control, ko::Picture picture);

// Neighbours that make a segmented control one bar: the touching ends are squared.
struct SegmentJoins {
  bool left = false, right = false;
};

void drawControlFace(Canvas& canvas, const ko::ControlSpec& control, Face face, SegmentJoins joins = {});

// The shared glyphs, also used by the menu pictures.
void drawChevronDown(Canvas& canvas, double cx, double cy, Rgb colour);
void drawChevronRight(Canvas& canvas, double cx, double cy, Rgb colour);

}  // namespace skingen
