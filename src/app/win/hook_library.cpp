#include "app/win/hook_library.h"

namespace ko {

void HookLibrary::Load(TextView programFolder) {
  const Text path = Text(programFolder) + u"KBHook.dll";
  module_ = LoadLibraryW(reinterpret_cast<const wchar_t*>(path.c_str()));
  if (!module_) return;
  auto find = [&](const char* name) { return GetProcAddress(module_, name); };
  installHook_ = reinterpret_cast<WindowCall>(find("installhook"));
  removeHook_ = reinterpret_cast<PlainCall>(find("removehook"));
  installMouseHook_ = reinterpret_cast<PlainCall>(find("installmousehook"));
  removeMouseHook_ = reinterpret_cast<PlainCall>(find("removemousehook"));
  enableHook_ = reinterpret_cast<FlagCall>(find("enablehook"));
}

void HookLibrary::Install(HWND window) const {
  if (installHook_) installHook_(window);
}

void HookLibrary::Remove() const {
  if (removeHook_) removeHook_();
}

void HookLibrary::Enable(int deliver) const {
  if (enableHook_) enableHook_(deliver);
}

}  // namespace ko
