#include "text/character_references.h"

namespace ko {
namespace {

// Packed entries: one decimal digit of name length, four of code point, then the name.
constexpr char kHtmlEntities[] =
#include "text/html_entity_table.inc"
    ;

// "apos" is XML's own; the other four XML names are also HTML names.
constexpr char16_t kApos[] = u"apos";

int digits(const char* p, int count) {
  int value = 0;
  for (int i = 0; i < count; ++i) value = value * 10 + (p[i] - '0');
  return value;
}

template <typename Visit>
void forEachEntity(Visit visit) {
  const char* p = kHtmlEntities;
  const char* end = kHtmlEntities + sizeof kHtmlEntities - 1;
  while (end - p >= 5) {
    const int length = digits(p, 1);
    const int32_t codePoint = digits(p + 1, 4);
    if (end - (p + 5) < length) break;
    if (visit(p + 5, static_cast<size_t>(length), codePoint)) return;
    p += 5 + length;
  }
}

bool isAsciiAlnum(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

int hexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

bool isCharacter(int64_t codePoint) {
  return codePoint > 0 && codePoint <= 0x10FFFF && !(codePoint >= 0xD800 && codePoint <= 0xDFFF);
}

void appendCodePoint(Text& out, uint32_t codePoint) {
  if (codePoint >= 0x10000) {
    codePoint -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
  } else {
    out.push_back(static_cast<char16_t>(codePoint));
  }
}

// Decodes the reference that starts with the "&" at `at`; on success returns the offset
// after its ";" and appends the character, otherwise returns 0 and appends nothing.
size_t decodeOne(TextView text, size_t at, Text& out) {
  size_t i = at + 1;
  if (i < text.size() && text[i] == u'#') {
    ++i;
    const bool hex = i < text.size() && (text[i] == u'x' || text[i] == u'X');
    if (hex) ++i;
    const size_t first = i;
    // Any number of digits may be written ("&#0000000000000065;" is "A"); the value stops
    // growing once it is past every character so that it cannot overflow.
    int64_t value = 0;
    while (i < text.size()) {
      const int d = hex ? hexValue(text[i]) : (text[i] >= u'0' && text[i] <= u'9' ? text[i] - u'0' : -1);
      if (d < 0) break;
      if (value <= 0x10FFFF) value = value * (hex ? 16 : 10) + d;
      ++i;
    }
    if (i == first || i >= text.size() || text[i] != u';' || !isCharacter(value)) return 0;
    appendCodePoint(out, static_cast<uint32_t>(value));
    return i + 1;
  }
  const size_t first = i;
  while (i < text.size() && isAsciiAlnum(text[i]) && i - first < 10) ++i;
  if (i == first || i >= text.size() || text[i] != u';') return 0;
  const int32_t codePoint = NamedReferenceCodePoint(text.substr(first, i - first));
  if (codePoint < 0) return 0;
  appendCodePoint(out, static_cast<uint32_t>(codePoint));
  return i + 1;
}

}  // namespace

int32_t NamedReferenceCodePoint(TextView name) {
  if (name == kApos) return u'\'';
  int32_t found = -1;
  forEachEntity([&](const char* entry, size_t length, int32_t codePoint) {
    if (length != name.size()) return false;
    for (size_t i = 0; i < length; ++i)
      if (name[i] != static_cast<char16_t>(static_cast<unsigned char>(entry[i]))) return false;
    found = codePoint;
    return true;
  });
  return found;
}

size_t NamedReferenceCount() {
  size_t count = 1;  // apos
  forEachEntity([&](const char*, size_t, int32_t) {
    ++count;
    return false;
  });
  return count;
}

Text DecodeCharacterReferences(TextView text) {
  Text out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == u'&') {
      const size_t next = decodeOne(text, i, out);
      if (next != 0) {
        i = next;
        continue;
      }
    }
    out.push_back(text[i]);
    ++i;
  }
  return out;
}

}  // namespace ko
