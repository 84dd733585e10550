// The keyboard among the controls of one skinned window (a main-window page or a dialog):
// which window of a control takes the focus, Tab and Shift+Tab in reading order, and the
// arrow keys within a group of buttons, where reaching a button chooses it as its click
// would. A key that uses a control (Space, Enter, a slider's keys) is the control's own.
#pragma once
#include <windows.h>
#include <vector>
#include "skin/win/page_controls.h"

namespace ko {

// Buttons whose arrows move among themselves and choose: table positions first..first+count-1.
struct KeyGroup {
  int first = 0;
  int count = 0;
};

// The window that takes the focus for control `index` (a slider's thumb), or nullptr for a
// control that takes none (labels, captions, value wells, the page's own windows).
HWND FocusWindowOf(const PageControls& controls, int index);
// The control whose focus window has the focus, -1 for none.
int FocusedControl(const PageControls& controls);
// Gives control `index` the focus; false when it cannot take it now (hidden, disabled).
bool FocusControl(const PageControls& controls, int index);
// The first (last) control in reading order that can take the focus, -1 for none.
int FirstFocusable(const PageControls& controls);
int LastFocusable(const PageControls& controls);
// Whether Tab (Shift+Tab) from the focused control would wrap round to the other end.
bool TabWouldWrap(const PageControls& controls, bool shift);

// Tab, Shift+Tab and, on a button, the arrow keys (within its group, choosing, or else to
// the next or previous control). True when the key was taken.
bool MoveFocusByKey(const PageControls& controls, const std::vector<KeyGroup>& groups, UINT virtualKey, bool shift);

}  // namespace ko
