#include "app/win/module_path.h"

#include <windows.h>

#include <string>

namespace ko {

namespace {

// Longest path the system's wide functions know.
constexpr DWORD kLongestPath = 32768;

}  // namespace

Text ExecutablePath() {
  // GetModuleFileNameW cuts the path short and fills the buffer when it does not fit:
  // grow until what it wrote is shorter than the room it had.
  for (DWORD room = MAX_PATH; room <= kLongestPath; room *= 2) {
    std::wstring buffer(room, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), room);
    if (length == 0) return Text();
    if (length < room) return Text(reinterpret_cast<const char16_t*>(buffer.data()), length);
  }
  return Text();
}

Text ShortPathOf(const Text& path) {
  const wchar_t* wide = reinterpret_cast<const wchar_t*>(path.c_str());
  const DWORD needed = GetShortPathNameW(wide, nullptr, 0);
  if (needed == 0) return Text();
  std::wstring buffer(needed, L'\0');
  const DWORD length = GetShortPathNameW(wide, buffer.data(), needed);
  if (length == 0 || length >= needed) return Text();
  return Text(reinterpret_cast<const char16_t*>(buffer.data()), length);
}

}  // namespace ko
