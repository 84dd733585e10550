// Where the Windows build of the tests runs: under Wine or on Windows itself. Wine's
// profile functions rewrite a few things Windows keeps (blank lines, spacing); tests of
// those skip the platform implementation under Wine and say why.
#pragma once
#ifdef _WIN32
#include <windows.h>
#endif

namespace ko::test {

inline bool runningUnderWine() {
#ifdef _WIN32
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
#else
  return false;
#endif
}

}  // namespace ko::test
