#include "platform/ini_values.h"

namespace ko::ini {
namespace {

// The value of each ASCII unit as a hex digit, -1 for a unit that is none: records are
// thousands of digits, and a save checks every record the file holds.
struct HexDigits {
  signed char value[128];
  constexpr HexDigits() : value() {
    for (int unit = 0; unit < 128; ++unit) {
      value[unit] = -1;
      if (unit >= '0' && unit <= '9') value[unit] = static_cast<signed char>(unit - '0');
      if (unit >= 'A' && unit <= 'F') value[unit] = static_cast<signed char>(unit - 'A' + 10);
      if (unit >= 'a' && unit <= 'f') value[unit] = static_cast<signed char>(unit - 'a' + 10);
    }
  }
};
constexpr HexDigits kHexValues;

int hexDigitValue(char16_t unit) { return unit < 128 ? kHexValues.value[unit] : -1; }

// The byte that the two digits at `2 * i` stand for, -1 when they are not two hex digits.
int recordByte(TextView value, size_t i) {
  const int high = hexDigitValue(value[2 * i]);
  const int low = hexDigitValue(value[2 * i + 1]);
  return high < 0 || low < 0 ? -1 : high * 16 + low;
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

Text readableValue(TextView stored) { return Text(readableView(stored)); }

TextView readableView(TextView stored) {
  TextView value = stored.substr(0, stored.find(u'\0'));
  value = trimBlanks(value);
  // One pair of the same quote, double or single, goes as the system's profile functions
  // drop it: the device service reads this file with them.
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return value.substr(0, kMaxValueLength);
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
  Text text(size * 2 + 2, u'0');
  unsigned sum = 0;
  for (size_t i = 0; i < size; ++i) {
    text[2 * i] = kHexDigits[data[i] >> 4];
    text[2 * i + 1] = kHexDigits[data[i] & 0xF];
    sum += data[i];
  }
  text[2 * size] = kHexDigits[(sum >> 4) & 0xF];
  text[2 * size + 1] = kHexDigits[sum & 0xF];
  return text;
}

bool isRecordText(TextView value, size_t size) {
  if (size >= value.max_size() / 2 || value.size() != 2 * (size + 1)) return false;
  unsigned sum = 0;
  for (size_t i = 0; i < size; ++i) {
    const int byte = recordByte(value, i);
    if (byte < 0) return false;
    sum += static_cast<unsigned>(byte);
  }
  return recordByte(value, size) == static_cast<int>(sum & 0xFF);
}

bool decodeRecord(TextView value, void* buffer, size_t size) {
  // Checked whole first, so that a value that fails leaves the buffer as it was.
  if (!isRecordText(value, size)) return false;
  auto* out = static_cast<unsigned char*>(buffer);
  for (size_t i = 0; i < size; ++i) out[i] = static_cast<unsigned char>(recordByte(value, i));
  return true;
}

}  // namespace ko::ini
