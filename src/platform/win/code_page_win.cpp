// Code pages on Windows: MultiByteToWideChar and WideCharToMultiByte do the work.
#include <windows.h>
#include <climits>
#include <string>
#include <utility>
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

bool encodeCodePage(uint32_t codePage, TextView text, std::string& out) {
  out.clear();
  if (!isCodePageSupported(codePage)) return false;
  if (text.empty()) return true;
  if (text.size() > static_cast<size_t>(INT_MAX / 4)) return false;
  const auto* units = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  // Flags 0 for the same reason as above; what the page cannot hold comes out as a best-fit
  // look-alike or the default character, which the read-back below tells from the text.
  const int size = WideCharToMultiByte(codePage, 0, units, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return false;
  std::string bytes(static_cast<size_t>(size), '\0');
  if (WideCharToMultiByte(codePage, 0, units, length, bytes.data(), size, nullptr, nullptr) != size) return false;
  Text back;
  if (!decodeCodePage(codePage, bytes, back) || back != text) return false;
  out = std::move(bytes);
  return true;
}

uint32_t ansiCodePage() { return GetACP(); }

}  // namespace ko
