#include "platform/ini_document.h"

#include "platform/ini_values.h"

namespace ko::ini {
namespace {
constexpr TextView kNewLineBreak = u"\r\n";
}

Document Document::fromBytes(std::string_view bytes) {
  const Encoding encoding = detectEncoding(bytes);
  return fromText(decodeFile(bytes, encoding), encoding);
}

Document Document::fromText(TextView text, Encoding encoding) {
  Document document;
  document.encoding_ = encoding;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of(u"\r\n", start);
    if (end == TextView::npos) {
      document.lines_.push_back({Text(text.substr(start)), Text()});
      break;
    }
    size_t breakLength = (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ? 2 : 1;
    document.lines_.push_back({Text(text.substr(start, end - start)), Text(text.substr(end, breakLength))});
    start = end + breakLength;
  }
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

std::string Document::toBytes() const { return encodeFile(toText(), encoding_); }

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
    lines_.push_back({u"[" + Text(sectionName) + u"]", Text(kNewLineBreak)});
    lines_.push_back({Text(keyName) + u"=" + Text(line), Text(kNewLineBreak)});
    return true;
  }
  if (const auto existing = findKey(*header, keyName)) {
    Line& target = lines_[*existing];
    target.text.replace(keyOf(target)->valueStart, Text::npos, line);
    return true;
  }
  // A new key goes right after the section's last key (or its header), so blank lines and
  // comments that end the section stay between it and the next one.
  size_t last = *header;
  for (size_t i = *header + 1; i < lines_.size() && !sectionOf(lines_[i]); ++i) {
    if (keyOf(lines_[i])) last = i;
  }
  if (lines_[last].lineBreak.empty()) lines_[last].lineBreak = Text(kNewLineBreak);
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1),
                Line{Text(keyName) + u"=" + Text(line), Text(kNewLineBreak)});
  return true;
}

bool Document::writeInt(TextView section, TextView key, int32_t value) {
  return writeString(section, key, decimal(value));
}

bool Document::writeStruct(TextView section, TextView key, const void* bytes, size_t size) {
  return writeString(section, key, encodeRecord(bytes, size));
}

}  // namespace ko::ini
