#include "platform/ini_values.h"

#include <algorithm>
#include <vector>

namespace ko::ini {
namespace {

int hexDigitValue(char16_t unit) {
  if (unit >= u'0' && unit <= u'9') return unit - u'0';
  if (unit >= u'A' && unit <= u'F') return unit - u'A' + 10;
  if (unit >= u'a' && unit <= u'f') return unit - u'a' + 10;
  return -1;
}

bool hasLineBreakOrNul(TextView text) {
  return text.find_first_of(TextView(u"\r\n\0", 3)) != TextView::npos;
}

constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

}  // namespace

bool isBlank(char16_t unit) {
  return unit == u' ' || unit == u'\t' || unit == u'\v' || unit == u'\f' || unit == u'\r' || unit == u'\n';
}

TextView trimBlanks(TextView text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

Text readableValue(TextView stored) {
  TextView value = stored.substr(0, stored.find(u'\0'));
  value = trimBlanks(value);
  // One pair of the same quote, double or single, goes as the system's profile functions
  // drop it: the device service reads this file with them.
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return Text(value.substr(0, kMaxValueLength));
}

TextView callerName(TextView name) { return trimBlanks(name.substr(0, name.find(u'\0'))); }

bool isWritableSection(TextView section) {
  return !hasLineBreakOrNul(section) && section.find(u']') == TextView::npos;
}

bool isWritableKey(TextView key) {
  if (key.empty() || hasLineBreakOrNul(key) || key.find(u'=') != TextView::npos) return false;
  return key.front() != u'[' && key.front() != u';';
}

TextView singleLineValue(TextView value) {
  return value.substr(0, value.find_first_of(TextView(u"\r\n\0", 3)));
}

int32_t parseInteger(TextView value) {
  size_t i = 0;
  while (i < value.size() && value[i] <= u' ') ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == u'+' || value[i] == u'-')) {
    negative = value[i] == u'-';
    ++i;
  }
  uint32_t base = 10;
  if (i + 1 < value.size() && value[i] == u'0') {
    switch (value[i + 1]) {
      case u'x': base = 16; i += 2; break;
      case u'o': base = 8; i += 2; break;
      case u'b': base = 2; i += 2; break;
      default: break;
    }
  }
  uint32_t total = 0;
  for (; i < value.size(); ++i) {
    const int digit = hexDigitValue(value[i]);
    if (digit < 0 || static_cast<uint32_t>(digit) >= base) break;
    total = total * base + static_cast<uint32_t>(digit);  // wraps, as the platform's does
  }
  if (negative) total = 0u - total;
  return static_cast<int32_t>(total);
}

Text encodeRecord(const void* bytes, size_t size) {
  const auto* data = static_cast<const unsigned char*>(bytes);
  Text text;
  text.reserve(size * 2 + 2);
  unsigned sum = 0;
  for (size_t i = 0; i < size; ++i) {
    text.push_back(kHexDigits[data[i] >> 4]);
    text.push_back(kHexDigits[data[i] & 0xF]);
    sum += data[i];
  }
  text.push_back(kHexDigits[(sum >> 4) & 0xF]);
  text.push_back(kHexDigits[sum & 0xF]);
  return text;
}

bool decodeRecord(TextView value, void* buffer, size_t size) {
  if (size >= value.max_size() / 2 || value.size() != 2 * (size + 1)) return false;
  std::vector<unsigned char> bytes(size + 1);
  unsigned sum = 0;
  for (size_t i = 0; i <= size; ++i) {
    const int high = hexDigitValue(value[2 * i]);
    const int low = hexDigitValue(value[2 * i + 1]);
    if (high < 0 || low < 0) return false;
    bytes[i] = static_cast<unsigned char>(high * 16 + low);
    if (i < size) sum += bytes[i];
  }
  if ((sum & 0xFF) != bytes[size]) return false;
  if (size > 0) std::copy(bytes.begin(), bytes.end() - 1, static_cast<unsigned char*>(buffer));
  return true;
}

}  // namespace ko::ini
