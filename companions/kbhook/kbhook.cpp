// KBHook.dll: reports keystrokes (and, on request, mouse buttons) seen by a low-level hook
// to one window, as message 2258, while reporting is enabled. The configuration program
// uses it to record macros from the user's real keystrokes.
#include <atomic>

#include "kbhook_api.h"
#include "low_level_hook.h"

namespace {

LRESULT CALLBACK keyboardProc(int code, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK mouseProc(int code, WPARAM wParam, LPARAM lParam);

HINSTANCE g_module = nullptr;
std::atomic<HWND> g_receiver{nullptr};
std::atomic<bool> g_enabled{false};
kbhook::LowLevelHook g_keyboardHook(WH_KEYBOARD_LL, keyboardProc);
kbhook::LowLevelHook g_mouseHook(WH_MOUSE_LL, mouseProc);

void report(WPARAM virtualKey, LPARAM flags) {
  HWND receiver = g_receiver.load();
  if (g_enabled.load() && receiver != nullptr) PostMessageW(receiver, kbhook::kKeystrokeMessage, virtualKey, flags);
}

// Only "released" and "extended" are passed on: the receiver treats any other flag value
// as no keystroke, and the system adds others freely (Alt held, injected input).
LPARAM keystrokeFlags(DWORD lowLevelFlags) {
  LPARAM flags = (lowLevelFlags & LLKHF_UP) ? kbhook::kReleased : kbhook::kPressed;
  if (lowLevelFlags & LLKHF_EXTENDED) flags |= kbhook::kExtended;
  return flags;
}

LRESULT CALLBACK keyboardProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* event = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    report(event->vkCode, keystrokeFlags(event->flags));
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The mouse button of a low-level mouse message as a virtual key; 0 for movement and wheel.
WPARAM buttonKey(WPARAM message, const MSLLHOOKSTRUCT& event, bool* released) {
  *released = message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP ||
              message == WM_XBUTTONUP;
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: return VK_LBUTTON;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: return VK_RBUTTON;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: return VK_MBUTTON;
    case WM_XBUTTONDOWN: case WM_XBUTTONUP:
      return HIWORD(event.mouseData) == XBUTTON2 ? VK_XBUTTON2 : VK_XBUTTON1;
    default: return 0;
  }
}

LRESULT CALLBACK mouseProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    bool released = false;
    WPARAM key = buttonKey(wParam, *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam), &released);
    if (key != 0) report(key, released ? kbhook::kReleased : kbhook::kPressed);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void removeAll() {
  g_enabled = false;
  g_mouseHook.remove();
  g_keyboardHook.remove();
  g_receiver = nullptr;
}

}  // namespace

// Exported through kbhook.def, which strips the @N decoration of the __stdcall names.
extern "C" {

BOOL WINAPI installhook(HWND window) {
  g_receiver = window;
  g_enabled = false;
  return g_keyboardHook.install(g_module) ? TRUE : FALSE;
}

BOOL WINAPI removehook() {
  bool removed = g_keyboardHook.installed() || g_mouseHook.installed();
  removeAll();
  return removed ? TRUE : FALSE;
}

BOOL WINAPI enablehook(int enable) {
  return g_enabled.exchange(enable != 0) ? TRUE : FALSE;
}

BOOL WINAPI installmousehook() {
  if (g_receiver.load() == nullptr) return FALSE;
  return g_mouseHook.install(g_module) ? TRUE : FALSE;
}

BOOL WINAPI removemousehook() {
  return g_mouseHook.remove() ? TRUE : FALSE;
}

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_module = module;
    DisableThreadLibraryCalls(module);
  } else if (reason == DLL_PROCESS_DETACH) {
    // A hook left behind would call into unmapped code after the unload.
    removeAll();
  }
  return TRUE;
}

}  // extern "C"
