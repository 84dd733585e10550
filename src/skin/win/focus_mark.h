// The mark of the control that has the keyboard focus. It shows once the keyboard is used
// (a key that moves or uses the focus) and from then on: someone who only uses the pointer
// never sees it, so the window looks exactly as before for them. Drawn in the skin's accent
// with a dark rim on both sides, it stands out on the dark normal face and on the yellow
// pressed face alike; in high-contrast mode it takes the system's highlight colour.
#pragma once
#include <windows.h>

namespace ko {

bool FocusMarksShown();
// Shows the marks from now on and repaints the control that has the focus.
void ShowFocusMarks();
// Draws the mark just inside `box`.
void DrawFocusMark(HDC dc, const RECT& box);
// Whether the mark belongs on `control` now (it has the focus and marks show).
bool ShowsFocusMark(HWND control);

}  // namespace ko
