#include "text/text_encoding.h"
#include "platform/code_page.h"
#include "text/charset_table.h"

namespace ko {
namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool equalsNoCaseAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

// Offset of `needle` (lower case) in `text` at or after `from`, ignoring ASCII case.
size_t findNoCase(std::string_view text, std::string_view needle, size_t from) {
  if (needle.size() > text.size()) return std::string_view::npos;
  for (size_t i = from; i + needle.size() <= text.size(); ++i)
    if (equalsNoCaseAscii(text.substr(i, needle.size()), needle)) return i;
  return std::string_view::npos;
}

// Offset of a tag "<name" (followed by a blank, "/" or ">") at or after `from`.
size_t findTag(std::string_view text, std::string_view name, size_t from) {
  while (true) {
    const size_t at = findNoCase(text, name, from);
    if (at == std::string_view::npos) return at;
    const size_t after = at + name.size();
    if (after >= text.size() || isSpace(text[after]) || text[after] == '/' || text[after] == '>') return at;
    from = at + 1;
  }
}

// Calls visit(name, value) for each attribute of a tag body (the bytes after the tag name,
// up to but not including ">"). Values may be quoted with either quote or bare.
template <typename Visit>
void forEachAttribute(std::string_view body, Visit visit) {
  size_t i = 0;
  while (i < body.size()) {
    while (i < body.size() && (isSpace(body[i]) || body[i] == '/' || body[i] == '?')) ++i;
    const size_t nameStart = i;
    while (i < body.size() && !isSpace(body[i]) && body[i] != '=' && body[i] != '/' && body[i] != '?') ++i;
    const std::string_view name = body.substr(nameStart, i - nameStart);
    while (i < body.size() && isSpace(body[i])) ++i;
    std::string_view value;
    if (i < body.size() && body[i] == '=') {
      ++i;
      while (i < body.size() && isSpace(body[i])) ++i;
      if (i < body.size() && (body[i] == '"' || body[i] == '\'')) {
        const char quote = body[i++];
        const size_t valueStart = i;
        while (i < body.size() && body[i] != quote) ++i;
        value = body.substr(valueStart, i - valueStart);
        if (i < body.size()) ++i;
      } else {
        const size_t valueStart = i;
        while (i < body.size() && !isSpace(body[i])) ++i;
        value = body.substr(valueStart, i - valueStart);
      }
    }
    if (name.empty()) {
      if (i < body.size()) ++i;
      continue;
    }
    if (visit(name, value)) return;
  }
}

std::string xmlDeclarationEncoding(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size() && isSpace(bytes[i])) ++i;
  if (bytes.substr(i, 5) != "<?xml" || i + 5 >= bytes.size() || !isSpace(bytes[i + 5])) return {};
  const size_t end = bytes.find("?>", i);
  if (end == std::string_view::npos) return {};
  std::string encoding;
  forEachAttribute(bytes.substr(i + 5, end - i - 5), [&](std::string_view name, std::string_view value) {
    if (name != "encoding") return false;
    encoding.assign(value);
    return true;
  });
  return encoding;
}

// The charset of "text/html; charset=xxx".
std::string charsetOfContentType(std::string_view content) {
  const size_t at = findNoCase(content, "charset", 0);
  if (at == std::string_view::npos) return {};
  size_t i = at + 7;
  while (i < content.size() && isSpace(content[i])) ++i;
  if (i >= content.size() || content[i] != '=') return {};
  ++i;
  while (i < content.size() && (isSpace(content[i]) || content[i] == '"' || content[i] == '\'')) ++i;
  const size_t start = i;
  while (i < content.size() && !isSpace(content[i]) && content[i] != ';' && content[i] != '"' && content[i] != '\'') ++i;
  return std::string(content.substr(start, i - start));
}

std::string htmlMetaCharset(std::string_view bytes) {
  const size_t html = findTag(bytes, "<html", 0);
  if (html == std::string_view::npos) return {};
  const size_t head = findTag(bytes, "<head", html);
  if (head == std::string_view::npos) return {};
  size_t headEnd = findNoCase(bytes, "</head", head);
  const size_t body = findTag(bytes, "<body", head);
  if (body < headEnd) headEnd = body;
  size_t from = head + 5;
  while (true) {
    const size_t meta = findTag(bytes, "<meta", from);
    if (meta == std::string_view::npos || meta >= headEnd) return {};
    const size_t close = bytes.find('>', meta);
    if (close == std::string_view::npos) return {};
    bool contentType = false;
    std::string content, charset;
    forEachAttribute(bytes.substr(meta + 5, close - meta - 5), [&](std::string_view name, std::string_view value) {
      if (equalsNoCaseAscii(name, "http-equiv")) contentType = equalsNoCaseAscii(value, "content-type");
      else if (equalsNoCaseAscii(name, "content")) content.assign(value);
      else if (equalsNoCaseAscii(name, "charset")) charset.assign(value);
      return false;
    });
    if (contentType) {
      std::string found = charsetOfContentType(content);
      if (!found.empty()) return found;
    }
    if (!charset.empty()) return charset;
    from = close + 1;
  }
}

bool isUtf16Or32(uint32_t codePage) {
  return codePage == kCodePageUtf16Le || codePage == kCodePageUtf16Be || codePage == 12000 || codePage == 12001;
}

Text decodeUtf16(std::string_view bytes, bool bigEndian) {
  Text out;
  out.reserve(bytes.size() / 2 + 1);
  size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    const unsigned a = static_cast<unsigned char>(bytes[i]);
    const unsigned b = static_cast<unsigned char>(bytes[i + 1]);
    out.push_back(static_cast<char16_t>(bigEndian ? (a << 8 | b) : (b << 8 | a)));
  }
  if (i < bytes.size()) out.push_back(u'\uFFFD');  // a half unit at the end
  return out;
}

Text latin1(std::string_view bytes) {
  Text out;
  out.reserve(bytes.size());
  for (char c : bytes) out.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
  return out;
}

std::string_view withoutMark(std::string_view bytes, uint32_t codePage) {
  if (codePage == kCodePageUtf8 && bytes.substr(0, 3) == "\xEF\xBB\xBF") return bytes.substr(3);
  if (codePage == kCodePageUtf16Le && bytes.substr(0, 2) == "\xFF\xFE") return bytes.substr(2);
  if (codePage == kCodePageUtf16Be && bytes.substr(0, 2) == "\xFE\xFF") return bytes.substr(2);
  return bytes;
}

Text convert(std::string_view bytes, uint32_t& codePage, Text& notes) {
  if (codePage == kCodePageUtf16Le) return decodeUtf16(bytes, false);
  if (codePage == kCodePageUtf16Be) return decodeUtf16(bytes, true);
  Text text;
  if (decodeCodePage(codePage, bytes, text)) return text;
  // The platform cannot read this page: the ANSI page, and failing that byte for byte,
  // still gives the user every ASCII word of the file.
  notes += u"ANSI ";
  codePage = ansiCodePage();
  if (decodeCodePage(codePage, bytes, text)) return text;
  codePage = 28591;
  return latin1(bytes);
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    const unsigned c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    size_t length;
    unsigned low = 0x80, high = 0xBF;  // range of the second byte
    if (c >= 0xC2 && c <= 0xDF) length = 2;
    else if (c == 0xE0) { length = 3; low = 0xA0; }
    else if (c >= 0xE1 && c <= 0xEC) length = 3;
    else if (c == 0xED) { length = 3; high = 0x9F; }
    else if (c >= 0xEE && c <= 0xEF) length = 3;
    else if (c == 0xF0) { length = 4; low = 0x90; }
    else if (c >= 0xF1 && c <= 0xF3) length = 4;
    else if (c == 0xF4) { length = 4; high = 0x8F; }
    else return false;
    if (i + length > bytes.size()) return false;
    const unsigned second = static_cast<unsigned char>(bytes[i + 1]);
    if (second < low || second > high) return false;
    for (size_t k = 2; k < length; ++k)
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    i += length;
  }
  return true;
}

std::string FindDeclaredCharset(std::string_view bytes) {
  std::string charset = xmlDeclarationEncoding(bytes);
  if (charset.empty()) charset = htmlMetaCharset(bytes);
  return charset;
}

DecodedText DecodeTextBytes(std::string_view bytes, uint32_t forcedCodePage) {
  DecodedText result;
  Text& notes = result.notes;
  if (bytes.empty()) {
    notes = u"0 length ";
    return result;
  }
  notes = u"length " + decimal(static_cast<int32_t>(bytes.size() > 0x7FFFFFFF ? 0x7FFFFFFF : bytes.size())) + u" ";

  uint32_t codePage = 0;
  std::string_view body = bytes;
  const unsigned b0 = static_cast<unsigned char>(bytes[0]);
  const unsigned b1 = bytes.size() > 1 ? static_cast<unsigned char>(bytes[1]) : 0x100;
  const unsigned b2 = bytes.size() > 2 ? static_cast<unsigned char>(bytes[2]) : 0x100;
  const unsigned b3 = bytes.size() > 3 ? static_cast<unsigned char>(bytes[3]) : 0x100;
  if (forcedCodePage != 0) {
    notes += u"forced ";
    codePage = forcedCodePage;
    body = withoutMark(bytes, codePage);
  } else if (b0 == 0xEF && b1 == 0xBB && b2 == 0xBF) {
    notes += u"UTF-8 BOM +";
    codePage = kCodePageUtf8;
    body = bytes.substr(3);
  } else if (b0 == 0xFF && b1 == 0xFE) {
    notes += u"UTF-16LE BOM +";
    codePage = kCodePageUtf16Le;
    body = bytes.substr(2);
  } else if (b0 == 0xFE && b1 == 0xFF) {
    notes += u"UTF-16BE BOM +endian swap ";
    codePage = kCodePageUtf16Be;
    body = bytes.substr(2);
  } else if (b0 == 0x3C && b1 == 0x00 && b2 != 0x00 && b3 == 0x00) {
    // "<" and the next character as 16-bit units without a mark.
    notes += u"UTF-16LE ";
    codePage = kCodePageUtf16Le;
  } else if (b0 == 0x00 && b1 == 0x3C && b2 == 0x00 && b3 != 0x00 && b3 != 0x100) {
    notes += u"UTF-16BE endian swap ";
    codePage = kCodePageUtf16Be;
  } else {
    const std::string declared = FindDeclaredCharset(bytes);
    codePage = CodePageOfCharset(u16(declared));
    // A UTF-16 or UTF-32 name that could be read byte by byte is a wrong declaration, and
    // a page the platform cannot convert is no better than none.
    if (isUtf16Or32(codePage) || (codePage != 0 && !isCodePageSupported(codePage))) codePage = 0;
    if (codePage != 0) {
      notes += u16(declared) + u" ";
    } else if (IsValidUtf8(bytes)) {
      notes += u"(used UTF-8 detection) ";
      codePage = kCodePageUtf8;
    } else {
      notes += u"ANSI ";
      codePage = ansiCodePage();
    }
  }

  Text text = convert(body, codePage, notes);
  result.codePage = codePage;
  notes += u"to " + decimal(static_cast<int32_t>(text.size() > 0x7FFFFFFF ? 0x7FFFFFFF : text.size())) + u" wide chars ";

  size_t nulls = 0;
  Text& out = result.text;
  out.reserve(text.size());
  for (char16_t c : text) {
    if (c == 0) ++nulls;
    else out.push_back(c);
  }
  if (nulls != 0) notes += u"(" + decimal(static_cast<int32_t>(nulls > 0x7FFFFFFF ? 0x7FFFFFFF : nulls)) + u" nulls removed) ";
  return result;
}

}  // namespace ko
