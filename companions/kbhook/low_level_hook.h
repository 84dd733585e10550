// One system-wide low-level hook (keyboard or mouse), owned for as long as it is installed.
// The library's detach removes whatever is still installed: the hooks live in globals made
// by constant initialisation, with nothing to run at load or unload, so the library needs
// no C runtime at all.
#pragma once
#include <windows.h>

namespace kbhook {

class LowLevelHook {
 public:
  constexpr LowLevelHook(int kind, HOOKPROC procedure) : kind_(kind), procedure_(procedure) {}
  LowLevelHook(const LowLevelHook&) = delete;
  LowLevelHook& operator=(const LowLevelHook&) = delete;

  // Low-level hooks run on the installing thread, between its message retrievals; a
  // second install keeps the first hook rather than stacking another.
  bool install(HINSTANCE module) {
    if (handle_ == nullptr) handle_ = SetWindowsHookExW(kind_, procedure_, module, 0);
    return handle_ != nullptr;
  }
  bool remove() {
    if (handle_ == nullptr) return false;
    UnhookWindowsHookEx(handle_);
    handle_ = nullptr;
    return true;
  }
  bool installed() const { return handle_ != nullptr; }

 private:
  int kind_;
  HOOKPROC procedure_;
  HHOOK handle_ = nullptr;
};

}  // namespace kbhook
