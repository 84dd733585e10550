// The keyboard-hook library beside the program ("KBHook.dll"): loaded once, never
// unloaded; each of its five exports may be missing, so every call checks it first.
#pragma once
#include <windows.h>
#include "platform/wide_text.h"

namespace ko {

class HookLibrary {
 public:
  HookLibrary() = default;
  HookLibrary(const HookLibrary&) = delete;
  HookLibrary& operator=(const HookLibrary&) = delete;

  // Loads "<program folder>KBHook.dll" and looks up the exports; a missing library leaves
  // every entry point absent.
  void Load(TextView programFolder);
  bool loaded() const { return module_ != nullptr; }

  void Install(HWND window) const;
  void Remove() const;
  // 1 = deliver key events (message 2258) to the installed window, 0 = stop.
  void Enable(int deliver) const;

 private:
  using WindowCall = BOOL(WINAPI*)(HWND);
  using PlainCall = BOOL(WINAPI*)();
  using FlagCall = BOOL(WINAPI*)(int);

  HMODULE module_ = nullptr;  // deliberately never freed: the hook lives until the process ends
  WindowCall installHook_ = nullptr;
  PlainCall removeHook_ = nullptr;
  PlainCall installMouseHook_ = nullptr;  // looked up, never called
  PlainCall removeMouseHook_ = nullptr;   // looked up, never called
  FlagCall enableHook_ = nullptr;
};

}  // namespace ko
