// The arithmetic of the skinned horizontal slider: where the thumb sits for a value, which
// value a click on the track or the end of a thumb drag means, and how far a drag may go.
// A range whose minimum equals its maximum is never set up by the program; the functions
// still answer it (the minimum, the thumb at the start) rather than divide by zero.
#pragma once

namespace ko {

struct SliderRange {
  int minimum = 0;
  int maximum = 10;
};

// Left edge of the thumb in the track for `value`; a value outside the range puts the thumb
// at the minimum.
int ThumbLeftForValue(SliderRange range, int trackWidth, int thumbWidth, int value);

// The value a click at `pointerX` means, with the track spanning [trackLeft, trackRight)
// in the same coordinates. Rounds up past half a step, counted from the track's start.
int ValueForTrackClick(SliderRange range, int trackLeft, int trackRight, int pointerX);

// The value a thumb released with its left edge at `thumbLeft` means.
int ValueForDragEnd(SliderRange range, int trackWidth, int thumbWidth, int thumbLeft);

// Where a dragged thumb goes: its left edge at the start plus the pointer's travel, kept so
// that the thumb stays wholly on the track.
int DraggedThumbLeft(int startLeft, int pointerTravel, int trackWidth, int thumbWidth);

}  // namespace ko
