#include "platform/ini_document.h"

#include "platform/ini_values.h"
#include "platform/save_steps.h"

namespace ko::ini {
namespace {

// Splits text or bytes into lines, each with its own line break ("\r\n", "\n", "\r", or
// none at the very end), and gives each line's offset, length and break length. A line
// break byte is never part of a double-byte character in the system code pages, so ANSI
// bytes split the same way as their text.
template <typename View, typename Visit>
void forEachLine(View all, Visit visit) {
  using Unit = typename View::value_type;
  const size_t size = all.size();
  size_t start = 0;
  while (start < size) {
    size_t end = start;
    while (end < size && all[end] != Unit('\r') && all[end] != Unit('\n')) ++end;
    if (end == size) {
      visit(start, end - start, size_t{0});
      break;
    }
    const size_t breakLength = (all[end] == Unit('\r') && end + 1 < size && all[end + 1] == Unit('\n')) ? 2 : 1;
    visit(start, end - start, breakLength);
    start = end + breakLength;
  }
}

}  // namespace

TextView Document::breakText(Break lineBreak) {
  switch (lineBreak) {
    case Break::CrLf: return u"\r\n";
    case Break::Lf: return u"\n";
    case Break::Cr: return u"\r";
    case Break::None: break;
  }
  return {};
}

template <typename View>
Document::Break Document::breakOf(View all, size_t at, size_t length) {
  if (length == 2) return Break::CrLf;
  if (length == 0) return Break::None;
  return all[at] == typename View::value_type('\n') ? Break::Lf : Break::Cr;
}

Document::Line Document::newLine(Text text) {
  Line line;
  line.own = true;
  line.text = std::move(text);
  line.lineBreak = Break::CrLf;
  return line;
}

TextView Document::textOf(const Line& line) const {
  return line.own ? TextView(line.text) : TextView(text_).substr(line.textStart, line.textLength);
}

Text& Document::ownText(Line& line) {
  if (!line.own) {
    line.text = Text(textOf(line));
    line.own = true;
  }
  return line.text;
}

Document Document::fromBytes(std::string_view bytes) {
  const Encoding encoding = detectEncoding(bytes);
  if (encoding == Encoding::Utf16Le) {
    Text text = decodeFile(bytes, encoding);
    save_steps::mark("decode");
    Document document = fromDecoded(std::move(text), encoding);
    save_steps::mark("parse");
    return document;
  }
  Document document;
  document.encoding_ = Encoding::Ansi;
  document.bytes_ = std::string(bytes);
  const std::string_view all = document.bytes_;
  forEachLine(all, [&](size_t start, size_t length, size_t breakLength) {
    Line line;
    line.byteStart = start;
    line.byteLength = length;
    line.lineBreak = breakOf(all, start + length, breakLength);
    line.textStart = document.text_.size();
    document.text_ += decodeAnsi(all.substr(start, length));
    line.textLength = document.text_.size() - line.textStart;
    document.lines_.push_back(std::move(line));
  });
  save_steps::mark("parse");
  return document;
}

Document Document::fromText(TextView text, Encoding encoding) { return fromDecoded(Text(text), encoding); }

Document Document::fromDecoded(Text text, Encoding encoding) {
  Document document;
  document.encoding_ = encoding;
  document.text_ = std::move(text);
  const TextView all = document.text_;
  forEachLine(all, [&](size_t start, size_t length, size_t breakLength) {
    Line line;
    line.textStart = start;
    line.textLength = length;
    line.lineBreak = breakOf(all, start + length, breakLength);
    document.lines_.push_back(line);
  });
  // Text given as ANSI has no bytes read with it: each line gets its own.
  if (encoding == Encoding::Ansi) {
    for (size_t i = 0; i < document.lines_.size() && document.encoding_ == Encoding::Ansi; ++i) {
      Line& line = document.lines_[i];
      document.ownText(line);
      document.encodeChanged(line);
    }
  }
  return document;
}

Text Document::toText() const {
  size_t length = 0;
  for (const Line& line : lines_) length += textOf(line).size() + breakText(line.lineBreak).size();
  Text text;
  text.reserve(length);
  for (const Line& line : lines_) {
    text += textOf(line);
    text += breakText(line.lineBreak);
  }
  return text;
}

std::string Document::toBytes() const {
  std::string bytes;
  if (encoding_ == Encoding::Utf16Le) {
    // Straight from the lines to the file's bytes, with no whole text between.
    size_t units = 0;
    for (const Line& line : lines_) units += textOf(line).size() + breakText(line.lineBreak).size();
    bytes.reserve(2 + units * 2);
    bytes.push_back('\xFF');
    bytes.push_back('\xFE');
    for (const Line& line : lines_) {
      appendUtf16Le(bytes, textOf(line));
      appendUtf16Le(bytes, breakText(line.lineBreak));
    }
  } else {
    for (const Line& line : lines_) {
      if (line.own)
        bytes += line.bytes;
      else
        bytes.append(bytes_, line.byteStart, line.byteLength);
      for (char16_t unit : breakText(line.lineBreak)) bytes.push_back(static_cast<char>(unit));
    }
  }
  save_steps::mark("render");
  return bytes;
}

void Document::encodeChanged(Line& line) {
  if (encoding_ == Encoding::Ansi && !encodeAnsi(line.text, line.bytes)) becomeUtf16();
}

void Document::becomeUtf16() {
  encoding_ = Encoding::Utf16Le;
  bytes_.clear();
  for (Line& line : lines_) line.bytes.clear();
}

std::optional<TextView> Document::sectionOf(TextView line) {
  const TextView text = trimBlanks(line);
  if (text.empty() || text.front() != u'[') return std::nullopt;
  const size_t close = text.rfind(u']');
  if (close == TextView::npos) return std::nullopt;
  // Blanks inside the brackets are spacing, not part of the name: "[ Setting ]" is Setting.
  return trimBlanks(text.substr(1, close - 1));
}

std::optional<Document::KeyLine> Document::keyOf(TextView text) {
  const TextView trimmed = trimBlanks(text);
  if (trimmed.empty() || trimmed.front() == u';' || sectionOf(text)) return std::nullopt;
  const size_t equals = text.find(u'=');
  if (equals == TextView::npos) return std::nullopt;
  size_t valueStart = equals + 1;
  while (valueStart < text.size() && isBlank(text[valueStart])) ++valueStart;
  return KeyLine{trimBlanks(text.substr(0, equals)), valueStart};
}

std::vector<Text> Document::sectionNames() const {
  std::vector<Text> names;
  for (const Line& line : lines_)
    if (const auto name = sectionOf(textOf(line))) names.emplace_back(*name);
  return names;
}

std::optional<size_t> Document::findSection(TextView section) const {
  if (!headersKnown_) {
    headers_.clear();
    for (size_t i = 0; i < lines_.size(); ++i)
      if (sectionOf(textOf(lines_[i]))) headers_.push_back(i);
    headersKnown_ = true;
  }
  for (const size_t i : headers_)
    if (equalsNoCase(*sectionOf(textOf(lines_[i])), section)) return i;
  return std::nullopt;
}

std::optional<size_t> Document::findKey(size_t header, TextView key) const {
  if (key.empty()) return std::nullopt;
  for (size_t i = header + 1; i < lines_.size() && !sectionOf(textOf(lines_[i])); ++i) {
    const auto found = keyOf(textOf(lines_[i]));
    if (found && equalsNoCase(found->name, key)) return i;
  }
  return std::nullopt;
}

std::optional<Text> Document::storedValue(TextView section, TextView key) const {
  const auto stored = storedView(section, key);
  if (!stored) return std::nullopt;
  return Text(*stored);
}

std::optional<TextView> Document::storedView(TextView section, TextView key) const {
  const auto header = findSection(callerName(section));
  if (!header) return std::nullopt;
  const auto line = findKey(*header, callerName(key));
  if (!line) return std::nullopt;
  const TextView found = textOf(lines_[*line]);
  return trimBlanks(found.substr(keyOf(found)->valueStart));
}

Text Document::readString(TextView section, TextView key, TextView fallback) const {
  const auto stored = storedView(section, key);
  if (!stored) return Text(fallback);
  return readableValue(*stored);
}

int32_t Document::readInt(TextView section, TextView key, int32_t fallback) const {
  const auto stored = storedView(section, key);
  if (!stored) return fallback;
  const TextView value = readableView(*stored);
  return value.empty() ? fallback : parseInteger(value);
}

bool Document::readStruct(TextView section, TextView key, void* buffer, size_t size) const {
  const auto stored = storedView(section, key);
  return stored && decodeRecord(*stored, buffer, size);
}

void Document::terminateLastLine() {
  if (!lines_.empty() && lines_.back().lineBreak == Break::None) lines_.back().lineBreak = Break::CrLf;
}

bool Document::writeString(TextView section, TextView key, TextView value) {
  const TextView sectionName = callerName(section);
  const TextView keyName = callerName(key);
  if (!isWritableSection(sectionName) || !isWritableKey(keyName)) return false;
  const TextView line = singleLineValue(value);

  const auto header = findSection(sectionName);
  if (!header) {
    terminateLastLine();
    headersKnown_ = false;
    lines_.push_back(newLine(u"[" + Text(sectionName) + u"]"));
    encodeChanged(lines_.back());
    lines_.push_back(newLine(Text(keyName) + u"=" + Text(line)));
    encodeChanged(lines_.back());
    return true;
  }
  if (const auto existing = findKey(*header, keyName)) {
    Line& target = lines_[*existing];
    const size_t valueStart = keyOf(textOf(target))->valueStart;
    ownText(target).replace(valueStart, Text::npos, line);
    encodeChanged(target);
    return true;
  }
  // A new key goes right after the section's last key (or its header), so blank lines and
  // comments that end the section stay between it and the next one.
  size_t last = *header;
  for (size_t i = *header + 1; i < lines_.size() && !sectionOf(textOf(lines_[i])); ++i) {
    if (keyOf(textOf(lines_[i]))) last = i;
  }
  if (lines_[last].lineBreak == Break::None) lines_[last].lineBreak = Break::CrLf;
  headersKnown_ = false;
  const auto inserted = lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1),
                                     newLine(Text(keyName) + u"=" + Text(line)));
  encodeChanged(*inserted);
  return true;
}

bool Document::writeInt(TextView section, TextView key, int32_t value) {
  return writeString(section, key, decimal(value));
}

bool Document::writeStruct(TextView section, TextView key, const void* bytes, size_t size) {
  return writeString(section, key, encodeRecord(bytes, size));
}

}  // namespace ko::ini
