// Native code pages through iconv. Windows code page numbers are turned into the names
// glibc knows; a page without a name there is reported as unsupported.
#include <iconv.h>
#include <cerrno>
#include <cstdio>
#include <string>
#include <utility>
#include "platform/code_page.h"

namespace ko {
namespace {

struct NamedPage {
  uint32_t codePage;
  const char* name;
};

// Pages whose iconv name is not simply "CP<number>" or "IBM<number>".
constexpr NamedPage kNamedPages[] = {
    {37, "IBM037"},          {708, "ASMO-708"},       {10000, "MACINTOSH"},
    {10007, "MAC-CYRILLIC"}, {10017, "MAC-UK"},       {10029, "MAC-CENTRALEUROPE"},
    {10079, "MAC-IS"},
    {20127, "ASCII"},        {20261, "T.61"},         {20269, "ISO_6937"},
    {20866, "KOI8-R"},       {20932, "EUC-JP"},       {20936, "GB2312"},
    {20949, "EUC-KR"},       {21866, "KOI8-U"},       {28591, "ISO-8859-1"},
    {28592, "ISO-8859-2"},   {28593, "ISO-8859-3"},   {28594, "ISO-8859-4"},
    {28595, "ISO-8859-5"},   {28596, "ISO-8859-6"},   {28597, "ISO-8859-7"},
    {28598, "ISO-8859-8"},   {28599, "ISO-8859-9"},   {28603, "ISO-8859-13"},
    {28605, "ISO-8859-15"},  {38598, "ISO-8859-8"},   {50220, "ISO-2022-JP"},
    {50221, "ISO-2022-JP"},  {50222, "ISO-2022-JP"},  {50225, "ISO-2022-KR"},
    {51932, "EUC-JP"},       {51936, "EUC-CN"},       {51949, "EUC-KR"},
    {54936, "GB18030"},      {65000, "UTF-7"},        {65001, "UTF-8"},
};

enum class Direction { ToUtf16, FromUtf16 };

// Owns one conversion descriptor.
class Converter {
 public:
  explicit Converter(uint32_t codePage, Direction direction = Direction::ToUtf16) : direction_(direction) {
    // UTF-16 and UTF-32 are not byte code pages for MultiByteToWideChar either.
    if (codePage == kCodePageUtf16Le || codePage == kCodePageUtf16Be || codePage == 0 ||
        codePage == 12000 || codePage == 12001)
      return;
    for (const auto& page : kNamedPages) {
      if (page.codePage == codePage) {
        open(page.name);
        return;
      }
    }
    char name[32];
    std::snprintf(name, sizeof name, "CP%u", static_cast<unsigned>(codePage));
    if (open(name)) return;
    std::snprintf(name, sizeof name, "IBM%u", static_cast<unsigned>(codePage));
    if (open(name)) return;
    // The 20xxx EBCDIC pages are IBM's pages of the same last digits.
    if (codePage > 20000 && codePage < 30000) {
      std::snprintf(name, sizeof name, "IBM%u", static_cast<unsigned>(codePage - 20000));
      open(name);
    }
  }
  ~Converter() {
    if (valid()) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // The exact byte form of `text`; false at the first unit the page cannot hold (or a
  // surrogate without its pair).
  bool convertExactly(TextView text, std::string& out) {
    std::string input;
    input.reserve(text.size() * 2);
    for (char16_t unit : text) {
      input.push_back(static_cast<char>(unit & 0xFF));
      input.push_back(static_cast<char>(unit >> 8));
    }
    char* in = input.data();
    size_t inLeft = input.size();
    std::string buffer(2 * inLeft + 16, '\0');
    char* outPtr = buffer.data();
    size_t outLeft = buffer.size();
    if (iconv(handle_, &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) return false;
    // Pages with shift states end in their initial state.
    if (iconv(handle_, nullptr, nullptr, &outPtr, &outLeft) == static_cast<size_t>(-1)) return false;
    out.assign(buffer.data(), buffer.size() - outLeft);
    return true;
  }

  void convert(std::string_view bytes, Text& out) {
    std::string input(bytes);
    char* in = input.data();
    size_t inLeft = input.size();
    std::string buffer(4 * inLeft + 64, '\0');
    std::string utf16;
    while (true) {
      char* outPtr = buffer.data();
      size_t outLeft = buffer.size();
      size_t rc = iconv(handle_, &in, &inLeft, &outPtr, &outLeft);
      const int error = errno;
      utf16.append(buffer.data(), buffer.size() - outLeft);
      if (rc != static_cast<size_t>(-1)) break;
      if (error == E2BIG) continue;
      // A byte the page does not define, or a sequence cut off at the end: one replacement
      // character, then go on with the next byte.
      utf16.append("\xFD\xFF", 2);
      if (error != EILSEQ) break;
      ++in;
      --inLeft;
      iconv(handle_, nullptr, nullptr, nullptr, nullptr);
      if (inLeft == 0) break;
    }
    out.clear();
    out.reserve(utf16.size() / 2);
    for (size_t i = 0; i + 1 < utf16.size(); i += 2) {
      out.push_back(static_cast<char16_t>(static_cast<unsigned char>(utf16[i]) |
                                          (static_cast<unsigned char>(utf16[i + 1]) << 8)));
    }
  }

 private:
  bool open(const char* name) {
    handle_ = direction_ == Direction::ToUtf16 ? iconv_open("UTF-16LE", name) : iconv_open(name, "UTF-16LE");
    return valid();
  }
  Direction direction_;
  iconv_t handle_ = reinterpret_cast<iconv_t>(-1);
};

}  // namespace

bool decodeCodePage(uint32_t codePage, std::string_view bytes, Text& out) {
  out.clear();
  Converter converter(codePage);
  if (!converter.valid()) return false;
  if (!bytes.empty()) converter.convert(bytes, out);
  return true;
}

bool encodeCodePage(uint32_t codePage, TextView text, std::string& out) {
  out.clear();
  Converter converter(codePage, Direction::FromUtf16);
  if (!converter.valid()) return false;
  std::string bytes;
  Text back;
  // A form that reads back as other text is a look-alike, not the text.
  if (!converter.convertExactly(text, bytes) || !decodeCodePage(codePage, bytes, back) || back != text) return false;
  out = std::move(bytes);
  return true;
}

bool isCodePageSupported(uint32_t codePage) { return Converter(codePage).valid(); }

namespace {
uint32_t systemCodePage = 1252;
}

uint32_t ansiCodePage() { return systemCodePage; }

void setAnsiCodePage(uint32_t codePage) { systemCodePage = codePage; }

}  // namespace ko
