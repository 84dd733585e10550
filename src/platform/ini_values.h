// How values look inside an INI file: the text rules of the Windows profile functions for
// names and values, integers and hexadecimal records. Pure functions, shared by the
// portable engine and the Win32 implementation so both treat a caller's input alike.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include "platform/wide_text.h"

namespace ko::ini {

// The most units a read returns: the profile functions read into a 4096-unit buffer.
constexpr size_t kMaxValueLength = 4095;

// Blank units around names and values: space, tab, vertical tab, form feed, CR, LF.
bool isBlank(char16_t unit);
TextView trimBlanks(TextView text);

// What a string read returns for the value text found in the file (already trimmed): cut at
// a NUL as a C buffer would be, one pair of surrounding quotes (both double or both single)
// dropped, at most kMaxValueLength units.
Text readableValue(TextView stored);
// The same, as a view into `stored`.
TextView readableView(TextView stored);

// A caller's section or key name as the profile functions see it: cut at a NUL, blanks
// around it dropped.
TextView callerName(TextView name);
// Whether a name can be written so that a later read finds it again. A section may not
// hold ']' or a line break; a key may not be empty, hold '=' or a line break, or begin
// with '[' or ';' (it would read back as a section or a comment).
bool isWritableSection(TextView section);
bool isWritableKey(TextView key);
// A value as it is written: only its first line (up to CR, LF or NUL). A line break inside
// a value would otherwise plant new keys or sections in the file.
TextView singleLineValue(TextView value);

// An integer read of a present, non-empty value: what the platform's string-to-integer
// conversion gives (blanks, one optional sign, an optional 0x / 0o / 0b base prefix, the
// leading digits; no digits gives 0; digits beyond 32 bits wrap).
int32_t parseInteger(TextView value);

// A record as stored: each byte as two upper-case hex digits, then the low 8 bits of the
// byte sum as two more.
Text encodeRecord(const void* bytes, size_t size);
// The record's bytes, only when the value has exactly 2 x (size + 1) hex digits and the
// checksum matches; `buffer` is untouched otherwise.
bool decodeRecord(TextView value, void* buffer, size_t size);
// Whether decodeRecord would take the value, without decoding it anywhere.
bool isRecordText(TextView value, size_t size);

}  // namespace ko::ini
