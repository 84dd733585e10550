// Test files given and checked as raw bytes, with readable failure messages.
#pragma once
#include <string>
#include "platform/file_system.h"
#include "platform/wide_text.h"

namespace ko::test {

// UTF-16LE file bytes (with the byte-order mark) for ASCII or UTF-8 text.
inline std::string utf16File(std::string_view utf8) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : u16(utf8)) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

inline std::string bytesOf(TextView path) {
  std::string bytes;
  readFileBytes(path, bytes);
  return bytes;
}

// Bytes with CR, LF and non-printable bytes spelled out, for messages.
inline std::string visible(const std::string& bytes) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n\n";
    else if (c >= 0x20 && c < 0x7F) out.push_back(static_cast<char>(c));
    else { out += "\\x"; out.push_back(hex[c >> 4]); out.push_back(hex[c & 0xF]); }
  }
  return out;
}

}  // namespace ko::test
