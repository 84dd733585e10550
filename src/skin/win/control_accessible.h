// The Active Accessibility object of a skinned control. A control that describes itself
// (SkinControl::Describe) answers WM_GETOBJECT for its client area with one of these,
// through oleacc's LresultFromObject, so a screen reader in another process reads it as
// on any window. The object holds only the window handle and asks the control afresh on
// every call: it may outlive the control, and then it answers that it is gone.
// Events: the controls raise focus, state, name and value changes with NotifyAccessible.
#pragma once
#include <windows.h>
#include "platform/wide_text.h"

namespace ko {

// The answer to WM_GETOBJECT for `window`; 0 when the request is not for its client area
// (the system then answers as for any window).
LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam);

// The states every control shares: focusable (when `focusable`), focused, unavailable
// (disabled, also through a disabled parent) and invisible.
long WindowState(HWND window, bool focusable);

// A window's own text (a label's, an edit's).
Text WindowText(HWND window);

// Tells assistive technology that `event` (EVENT_OBJECT_*) happened to `window`'s client.
void NotifyAccessible(DWORD event, HWND window, LONG child = 0);

}  // namespace ko
