#include "platform/ini_document.h"

#include "platform/ini_values.h"

namespace ko::ini {
namespace {

constexpr TextView kNewLineBreak = u"\r\n";

// Splits text or bytes into lines, each with its own line break ("\r\n", "\n", "\r", or
// none at the very end). A line break byte is never part of a double-byte character in the
// system code pages, so ANSI bytes split the same way as their text.
template <typename View, typename Visit>
void forEachLine(View all, Visit visit) {
  using Unit = typename View::value_type;
  constexpr Unit kBreaks[] = {Unit('\r'), Unit('\n'), Unit(0)};
  size_t start = 0;
  while (start < all.size()) {
    const size_t end = all.find_first_of(kBreaks, start);
    if (end == View::npos) {
      visit(all.substr(start), View());
      break;
    }
    const size_t breakLength = (all[end] == Unit('\r') && end + 1 < all.size() && all[end + 1] == Unit('\n')) ? 2 : 1;
    visit(all.substr(start, end - start), all.substr(end, breakLength));
    start = end + breakLength;
  }
}

Text widened(std::string_view ascii) { return Text(ascii.begin(), ascii.end()); }

}  // namespace

Document Document::fromBytes(std::string_view bytes) {
  const Encoding encoding = detectEncoding(bytes);
  if (encoding == Encoding::Utf16Le) return fromText(decodeFile(bytes, encoding), encoding);
  Document document;
  document.encoding_ = Encoding::Ansi;
  forEachLine(bytes, [&](std::string_view line, std::string_view lineBreak) {
    document.lines_.push_back({decodeAnsi(line), widened(lineBreak), std::string(line)});
  });
  return document;
}

Document Document::fromText(TextView text, Encoding encoding) {
  Document document;
  document.encoding_ = encoding;
  forEachLine(text, [&](TextView line, TextView lineBreak) {
    document.lines_.push_back({Text(line), Text(lineBreak), std::string()});
  });
  for (size_t i = 0; i < document.lines_.size(); ++i) document.encodeChanged(document.lines_[i]);
  return document;
}

Text Document::toText() const {
  size_t length = 0;
  for (const Line& line : lines_) length += line.text.size() + line.lineBreak.size();
  Text text;
  text.reserve(length);
  for (const Line& line : lines_) {
    text += line.text;
    text += line.lineBreak;
  }
  return text;
}

std::string Document::toBytes() const {
  if (encoding_ == Encoding::Utf16Le) return encodeUtf16File(toText());
  std::string bytes;
  for (const Line& line : lines_) {
    bytes += line.bytes;
    for (char16_t unit : line.lineBreak) bytes.push_back(static_cast<char>(unit));
  }
  return bytes;
}

void Document::encodeChanged(Line& line) {
  if (encoding_ == Encoding::Ansi && !encodeAnsi(line.text, line.bytes)) becomeUtf16();
}

void Document::becomeUtf16() {
  encoding_ = Encoding::Utf16Le;
  for (Line& line : lines_) line.bytes.clear();
}

std::optional<TextView> Document::sectionOf(const Line& line) {
  const TextView text = trimBlanks(line.text);
  if (text.empty() || text.front() != u'[') return std::nullopt;
  const size_t close = text.rfind(u']');
  if (close == TextView::npos) return std::nullopt;
  // Blanks inside the brackets are spacing, not part of the name: "[ Setting ]" is Setting.
  return trimBlanks(text.substr(1, close - 1));
}

std::optional<Document::KeyLine> Document::keyOf(const Line& line) {
  const TextView text = line.text;
  const TextView trimmed = trimBlanks(text);
  if (trimmed.empty() || trimmed.front() == u';' || sectionOf(line)) return std::nullopt;
  const size_t equals = text.find(u'=');
  if (equals == TextView::npos) return std::nullopt;
  size_t valueStart = equals + 1;
  while (valueStart < text.size() && isBlank(text[valueStart])) ++valueStart;
  return KeyLine{trimBlanks(text.substr(0, equals)), valueStart};
}

std::vector<Text> Document::sectionNames() const {
  std::vector<Text> names;
  for (const Line& line : lines_)
    if (const auto name = sectionOf(line)) names.emplace_back(*name);
  return names;
}

std::optional<size_t> Document::findSection(TextView section) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    const auto name = sectionOf(lines_[i]);
    if (name && equalsNoCase(*name, section)) return i;
  }
  return std::nullopt;
}

std::optional<size_t> Document::findKey(size_t header, TextView key) const {
  if (key.empty()) return std::nullopt;
  for (size_t i = header + 1; i < lines_.size() && !sectionOf(lines_[i]); ++i) {
    const auto found = keyOf(lines_[i]);
    if (found && equalsNoCase(found->name, key)) return i;
  }
  return std::nullopt;
}

std::optional<Text> Document::storedValue(TextView section, TextView key) const {
  const auto header = findSection(callerName(section));
  if (!header) return std::nullopt;
  const auto line = findKey(*header, callerName(key));
  if (!line) return std::nullopt;
  const Line& found = lines_[*line];
  return Text(trimBlanks(TextView(found.text).substr(keyOf(found)->valueStart)));
}

Text Document::readString(TextView section, TextView key, TextView fallback) const {
  const auto stored = storedValue(section, key);
  if (!stored) return Text(fallback);
  return readableValue(*stored);
}

int32_t Document::readInt(TextView section, TextView key, int32_t fallback) const {
  const auto stored = storedValue(section, key);
  if (!stored) return fallback;
  const Text value = readableValue(*stored);
  return value.empty() ? fallback : parseInteger(value);
}

bool Document::readStruct(TextView section, TextView key, void* buffer, size_t size) const {
  const auto stored = storedValue(section, key);
  return stored && decodeRecord(*stored, buffer, size);
}

void Document::terminateLastLine() {
  if (!lines_.empty() && lines_.back().lineBreak.empty()) lines_.back().lineBreak = Text(kNewLineBreak);
}

bool Document::writeString(TextView section, TextView key, TextView value) {
  const TextView sectionName = callerName(section);
  const TextView keyName = callerName(key);
  if (!isWritableSection(sectionName) || !isWritableKey(keyName)) return false;
  const TextView line = singleLineValue(value);

  const auto header = findSection(sectionName);
  if (!header) {
    terminateLastLine();
    lines_.push_back({u"[" + Text(sectionName) + u"]", Text(kNewLineBreak), std::string()});
    encodeChanged(lines_.back());
    lines_.push_back({Text(keyName) + u"=" + Text(line), Text(kNewLineBreak), std::string()});
    encodeChanged(lines_.back());
    return true;
  }
  if (const auto existing = findKey(*header, keyName)) {
    Line& target = lines_[*existing];
    target.text.replace(keyOf(target)->valueStart, Text::npos, line);
    encodeChanged(target);
    return true;
  }
  // A new key goes right after the section's last key (or its header), so blank lines and
  // comments that end the section stay between it and the next one.
  size_t last = *header;
  for (size_t i = *header + 1; i < lines_.size() && !sectionOf(lines_[i]); ++i) {
    if (keyOf(lines_[i])) last = i;
  }
  if (lines_[last].lineBreak.empty()) lines_[last].lineBreak = Text(kNewLineBreak);
  const auto inserted = lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1),
                                     Line{Text(keyName) + u"=" + Text(line), Text(kNewLineBreak), std::string()});
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
