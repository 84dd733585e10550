// The code-page seam: bytes in a Windows code page to UTF-16 and back. On Windows this is
// MultiByteToWideChar and WideCharToMultiByte; natively iconv stands in with the same
// observable results for the code pages the program meets (UTF-8, the ANSI pages, the East
// Asian double-byte pages).
#pragma once
#include <cstdint>
#include <string>
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

// Converts `text` to bytes in code page `codePage` into `out`. Only an exact conversion
// counts: false (and `out` empty) when the platform does not know the code page or when any
// character has no form of its own there (the system would write a best-fit look-alike or
// a '?' instead).
bool encodeCodePage(uint32_t codePage, TextView text, std::string& out);

// True when decodeCodePage can convert text of this code page.
bool isCodePageSupported(uint32_t codePage);

// The system's default (ANSI) code page, the one the profile functions read and write
// files without a byte-order mark in: GetACP() on Windows; natively 1252 unless set.
uint32_t ansiCodePage();
#ifndef _WIN32
// Natively the program stands in for a system of any locale (tests of East Asian systems).
void setAnsiCodePage(uint32_t codePage);
#endif

}  // namespace ko
