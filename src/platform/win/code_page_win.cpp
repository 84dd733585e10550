// Code pages on Windows: MultiByteToWideChar does the work.
#include <windows.h>
#include <climits>
#include "platform/code_page.h"

namespace ko {

bool isCodePageSupported(uint32_t codePage) {
  if (codePage == kCodePageUtf16Le || codePage == kCodePageUtf16Be || codePage == 0) return false;
  // 12000/12001 (UTF-32) are known to the system but not to MultiByteToWideChar.
  if (codePage == 12000 || codePage == 12001) return false;
  return IsValidCodePage(codePage) != FALSE;
}

bool decodeCodePage(uint32_t codePage, std::string_view bytes, Text& out) {
  out.clear();
  if (!isCodePageSupported(codePage)) return false;
  if (bytes.empty()) return true;
  if (bytes.size() > static_cast<size_t>(INT_MAX)) return false;
  // Flags 0: several pages (UTF-7, ISO-2022, GB18030, ...) refuse any other, and invalid
  // bytes become the page's default character instead of failing the whole call.
  const int length = static_cast<int>(bytes.size());
  const int units = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
  if (units <= 0) return false;
  out.resize(static_cast<size_t>(units));
  const int written =
      MultiByteToWideChar(codePage, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(out.data()), units);
  if (written <= 0) {
    out.clear();
    return false;
  }
  out.resize(static_cast<size_t>(written));
  return true;
}

uint32_t ansiCodePage() { return GetACP(); }

}  // namespace ko
