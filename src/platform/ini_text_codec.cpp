#include "platform/ini_text_codec.h"

#include <array>
#include <cstdint>
#include <cstring>
#include "platform/code_page.h"

namespace ko::ini {
namespace {

// Bytes 0x80..0x9F of code page 1252. The five bytes the code page leaves undefined map to
// the control units of the same value, as Windows maps them, so every byte survives a
// decode and re-encode.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr unsigned char kByteOrderMark[2] = {0xFF, 0xFE};
constexpr uint32_t kWesternCodePage = 1252;

// The page ANSI files are read in; the table above serves 1252 (natively iconv would refuse
// its five undefined bytes) and any page the platform does not know.
uint32_t seamCodePage() {
  const uint32_t page = ansiCodePage();
  return page != kWesternCodePage && isCodePageSupported(page) ? page : kWesternCodePage;
}

// On a little-endian machine (every one the program runs on) a UTF-16LE unit is stored as
// it sits in memory, so the file's text is copied, not converted unit by unit.
bool unitsAreLittleEndian() {
  const uint16_t probe = 1;
  unsigned char first = 0;
  std::memcpy(&first, &probe, 1);
  return first == 1;
}

}  // namespace

char16_t ansiToUnit(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return static_cast<char16_t>(byte);
}

bool unitToAnsi(char16_t unit, unsigned char& byte) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
    byte = static_cast<unsigned char>(unit);
    return true;
  }
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == unit) {
      byte = static_cast<unsigned char>(0x80 + i);
      return true;
    }
  }
  return false;
}

Text decodeAnsi(std::string_view bytes) {
  Text text;
  const uint32_t page = seamCodePage();
  if (page != kWesternCodePage && decodeCodePage(page, bytes, text)) return text;
  text.reserve(bytes.size());
  for (char byte : bytes) text.push_back(ansiToUnit(static_cast<unsigned char>(byte)));
  return text;
}

bool encodeAnsi(TextView text, std::string& bytes) {
  const uint32_t page = seamCodePage();
  if (page != kWesternCodePage) return encodeCodePage(page, text, bytes);
  bytes.clear();
  bytes.reserve(text.size());
  for (char16_t unit : text) {
    unsigned char byte = 0;
    if (!unitToAnsi(unit, byte)) {
      bytes.clear();
      return false;
    }
    bytes.push_back(static_cast<char>(byte));
  }
  return true;
}

Encoding detectEncoding(std::string_view bytes) {
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == kByteOrderMark[0] &&
      static_cast<unsigned char>(bytes[1]) == kByteOrderMark[1]) {
    return Encoding::Utf16Le;
  }
  return Encoding::Ansi;
}

Text decodeFile(std::string_view bytes, Encoding encoding) {
  if (encoding == Encoding::Ansi) return decodeAnsi(bytes);
  const size_t start = detectEncoding(bytes) == Encoding::Utf16Le ? 2 : 0;
  Text text((bytes.size() - start) / 2, u'\0');
  if (unitsAreLittleEndian()) {
    if (!text.empty()) std::memcpy(&text[0], bytes.data() + start, text.size() * 2);
    return text;
  }
  for (size_t i = 0; i < text.size(); ++i) {
    const auto low = static_cast<unsigned char>(bytes[start + 2 * i]);
    const auto high = static_cast<unsigned char>(bytes[start + 2 * i + 1]);
    text[i] = static_cast<char16_t>(low | (high << 8));
  }
  return text;
}

void appendUtf16Le(std::string& bytes, TextView text) {
  const size_t at = bytes.size();
  bytes.resize(at + text.size() * 2);
  if (text.empty()) return;
  if (unitsAreLittleEndian()) {
    std::memcpy(&bytes[at], text.data(), text.size() * 2);
    return;
  }
  for (size_t i = 0; i < text.size(); ++i) {
    bytes[at + 2 * i] = static_cast<char>(text[i] & 0xFF);
    bytes[at + 2 * i + 1] = static_cast<char>(text[i] >> 8);
  }
}

std::string encodeUtf16File(TextView text) {
  std::string bytes;
  bytes.reserve(2 + text.size() * 2);
  bytes.push_back(static_cast<char>(kByteOrderMark[0]));
  bytes.push_back(static_cast<char>(kByteOrderMark[1]));
  appendUtf16Le(bytes, text);
  return bytes;
}

}  // namespace ko::ini
