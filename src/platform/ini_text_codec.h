// The byte encodings of INI files, as the Windows profile functions read and write them.
// A file that starts with the UTF-16LE byte-order mark is UTF-16LE (and stays so, mark
// included); every other file is "ANSI": its bytes are text in the system's ANSI code page
// (ansiCodePage()), whatever that is, as the profile functions read them. New files are
// created as UTF-16LE, so that any text a user can type survives.
#pragma once
#include <string>
#include <string_view>
#include "platform/wide_text.h"

namespace ko::ini {

enum class Encoding { Ansi, Utf16Le };

// The encoding of existing file bytes: UTF-16LE only when they start with FF FE.
Encoding detectEncoding(std::string_view bytes);

// File bytes to text, without the byte-order mark. A trailing odd byte of a UTF-16LE file is
// not a whole unit and is dropped.
Text decodeFile(std::string_view bytes, Encoding encoding);
// Text to UTF-16LE file bytes, starting with the byte-order mark.
std::string encodeUtf16File(TextView text);
// The text's UTF-16LE bytes (no mark), added to the end of `bytes`.
void appendUtf16Le(std::string& bytes, TextView text);

// ANSI text in the system's code page. Decoding never fails (bytes the page does not define
// become stand-in characters). Encoding succeeds only when the page holds every character
// exactly; the profile functions would write a look-alike or a '?' for the others.
Text decodeAnsi(std::string_view bytes);
bool encodeAnsi(TextView text, std::string& bytes);

// Code page 1252 (the Western European system's, and the stand-in for a page the platform
// does not know), one byte or one unit at a time: every byte maps to a unit of its own.
char16_t ansiToUnit(unsigned char byte);
// The byte for a unit; false when code page 1252 has none.
bool unitToAnsi(char16_t unit, unsigned char& byte);

}  // namespace ko::ini
