// The code-page seam: bytes in a Windows code page to UTF-16. On Windows this is
// MultiByteToWideChar; natively iconv stands in with the same observable results for the
// code pages the program meets (UTF-8, the ANSI pages, the East Asian double-byte pages).
#pragma once
#include <cstdint>
#include <string_view>
#include "platform/wide_text.h"

namespace ko {

// Code page numbers the program names itself.
constexpr uint32_t kCodePageUtf8 = 65001;
constexpr uint32_t kCodePageUtf16Le = 1200;
constexpr uint32_t kCodePageUtf16Be = 1201;

// Converts `bytes` (in code page `codePage`) to UTF-16 into `out`. Bytes that are not valid
// in the code page become replacement characters and conversion goes on after them, so no
// valid text around a bad byte is lost. False (and `out` empty) when the platform does not
// know the code page. UTF-16 itself (1200, 1201) is not a byte code page here: the caller
// decodes it.
bool decodeCodePage(uint32_t codePage, std::string_view bytes, Text& out);

// True when decodeCodePage can convert text of this code page.
bool isCodePageSupported(uint32_t codePage);

// The system's default (ANSI) code page: GetACP() on Windows, 1252 natively.
uint32_t ansiCodePage();

}  // namespace ko
