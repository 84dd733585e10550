// What a caller of KBHook.dll needs: the five exports, their call forms and the message the
// library posts. The exports are undecorated __stdcall functions; a caller looks each one
// up with GetProcAddress and must cast it to the matching pointer type below.
#pragma once
#include <windows.h>

namespace kbhook {

// Posted to the window given to "installhook" for every keystroke while enabled:
// wParam = virtual-key code, lParam = kPressed or kReleased, or'ed with kExtended.
constexpr UINT kKeystrokeMessage = 2258;
constexpr LPARAM kPressed = 0x00;
constexpr LPARAM kReleased = 0x80;
constexpr LPARAM kExtended = 0x01;

// "installhook": hooks the keyboard (on the calling thread, which must pump messages) and
// makes `window` the receiver. Reporting starts disabled. TRUE when the hook is in place.
using InstallHookFn = BOOL(WINAPI*)(HWND window);
// "removehook": removes both hooks and forgets the receiver. TRUE when a hook was removed.
using RemoveHookFn = BOOL(WINAPI*)();
// "enablehook": 1 = report events, 0 = stop. Returns the previous state.
using EnableHookFn = BOOL(WINAPI*)(int enable);
// "installmousehook": also reports mouse buttons, as the virtual keys VK_LBUTTON,
// VK_RBUTTON, VK_MBUTTON, VK_XBUTTON1 and VK_XBUTTON2 with kPressed / kReleased.
// Needs "installhook" first (the receiver). TRUE when the hook is in place.
using InstallMouseHookFn = BOOL(WINAPI*)();
// "removemousehook": removes the mouse hook only.
using RemoveMouseHookFn = BOOL(WINAPI*)();

}  // namespace kbhook
