// Turning the bytes of a text file into UTF-16: which encoding they are in (byte-order
// mark, XML declaration, HTML meta charset, UTF-8 check, ANSI fallback) and the conversion.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include "platform/wide_text.h"

namespace ko {

struct DecodedText {
  Text text;            // UTF-16, with NUL characters removed
  Text notes;           // one-line account of what was decided, for the diagnostic text
  uint32_t codePage = 0;  // the code page the bytes were read in; 0 for an empty file
};

// Decodes a whole file. `forcedCodePage` (0 = none) overrides every detection.
DecodedText DecodeTextBytes(std::string_view bytes, uint32_t forcedCodePage = 0);

// The encoding named in the bytes themselves: the encoding attribute of an XML declaration
// at the start, or else the charset of a meta element (http-equiv "Content-Type") inside
// html/head. Empty when there is none. The bytes must be in an ASCII-compatible encoding.
std::string FindDeclaredCharset(std::string_view bytes);

// True when every byte with the high bit set begins a complete, valid UTF-8 sequence
// (shortest form, no surrogates, at most U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

}  // namespace ko
