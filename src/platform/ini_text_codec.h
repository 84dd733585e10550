// The byte encodings of INI files, as the Windows profile functions read and write them.
// A file that starts with the UTF-16LE byte-order mark is UTF-16LE (and stays so, mark
// included); every other file is "ANSI". The engine maps ANSI bytes with code page 1252, as
// Windows does in a Western locale: the mapping is one to one over all 256 bytes, so any
// line the program does not change is written back byte for byte. Text that code page 1252
// cannot hold is written as '?', which is why new files are created as UTF-16LE.
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
// Text to file bytes; UTF-16LE output starts with the byte-order mark.
std::string encodeFile(TextView text, Encoding encoding);

// Code page 1252, one byte or one unit at a time.
char16_t ansiToUnit(unsigned char byte);
// The byte for a unit, or '?' when the code page has none.
unsigned char unitToAnsi(char16_t unit);

}  // namespace ko::ini
