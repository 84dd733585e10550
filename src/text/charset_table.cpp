#include "text/charset_table.h"
#include <cstring>

namespace ko {
namespace {

// Packed entries: two decimal digits of name length, five of code page, then the name in
// lower case. One flat literal keeps the table in read-only data with no start-up cost.
constexpr char kCharsets[] =
#include "text/charset_table.inc"
    ;

char16_t lowerAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }

bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

int digits(const char* p, int count) {
  int value = 0;
  for (int i = 0; i < count; ++i) value = value * 10 + (p[i] - '0');
  return value;
}

template <typename Visit>
void forEachEntry(Visit visit) {
  const char* p = kCharsets;
  const char* end = kCharsets + sizeof kCharsets - 1;
  while (end - p >= 7) {
    const int length = digits(p, 2);
    const uint32_t codePage = static_cast<uint32_t>(digits(p + 2, 5));
    if (end - (p + 7) < length) break;
    if (visit(p + 7, static_cast<size_t>(length), codePage)) return;
    p += 7 + length;
  }
}

}  // namespace

uint32_t CodePageOfCharset(TextView name) {
  while (!name.empty() && isBlank(name.front())) name.remove_prefix(1);
  while (!name.empty() && isBlank(name.back())) name.remove_suffix(1);
  if (name.empty()) return 0;
  uint32_t found = 0;
  forEachEntry([&](const char* entry, size_t length, uint32_t codePage) {
    if (length != name.size()) return false;
    for (size_t i = 0; i < length; ++i)
      if (lowerAscii(name[i]) != static_cast<char16_t>(static_cast<unsigned char>(entry[i]))) return false;
    found = codePage;
    return true;
  });
  return found;
}

size_t CharsetNameCount() {
  size_t count = 0;
  forEachEntry([&](const char*, size_t, uint32_t) {
    ++count;
    return false;
  });
  return count;
}

}  // namespace ko
