// UTF-16 text helpers shared by the whole core. Strings in the core are UTF-16, as on
// Windows; only the Win32 side converts to wchar_t (which is the same 16-bit unit there).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace ko {

using Text = std::u16string;
using TextView = std::u16string_view;

// ASCII or UTF-8 literal to UTF-16 (invalid UTF-8 bytes become U+FFFD).
Text u16(std::string_view utf8);
// UTF-16 to UTF-8 (unpaired surrogates become U+FFFD), for native file names and logs.
std::string toUtf8(TextView text);

// "%d" of a signed 32-bit value.
Text decimal(int32_t value);

// Case-insensitive comparison the way the profile-string functions compare section and key
// names: ASCII letters fold, every other unit compares as itself.
bool equalsNoCase(TextView a, TextView b);

// Length of a NUL-terminated UTF-16 buffer of at most `capacity` units.
size_t boundedLength(const char16_t* buffer, size_t capacity);
// Copies text into a fixed buffer, cut to capacity - 1 units and NUL-terminated.
void copyToBuffer(TextView text, char16_t* buffer, size_t capacity);

}  // namespace ko
