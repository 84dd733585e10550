#include "word_table.h"
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>

namespace skingen {

namespace {

bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

const std::set<std::string_view>& wordsThatStay() {
  static const std::set<std::string_view> words = {"DPI", "Hz", "ms", "R", "G", "B", "Warning"};
  return words;
}

std::string trimmed(std::string_view s) {
  const size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const size_t last = s.find_last_not_of(" \t\r");
  return std::string(s.substr(first, last - first + 1));
}

}  // namespace

std::vector<std::string> wordsToTranslate(std::string_view text) {
  std::vector<std::string> found;
  for (size_t i = 0; i < text.size();) {
    if (!isAsciiLetter(text[i]) && !isAsciiDigit(text[i])) {
      ++i;
      continue;
    }
    size_t end = i;
    bool digit = false;
    while (end < text.size() && (isAsciiLetter(text[end]) || isAsciiDigit(text[end]))) digit |= isAsciiDigit(text[end++]);
    const std::string_view word = text.substr(i, end - i);
    if (!digit && !wordsThatStay().count(word)) found.emplace_back(word);
    i = end;
  }
  return found;
}

bool holdsWordToTranslate(std::string_view text) { return !wordsToTranslate(text).empty(); }

WordTable WordTable::read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read the word table " + path);
  return parse({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}, path);
}

WordTable WordTable::parse(const std::string& text, const std::string& origin) {
  WordTable table;
  table.origin_ = origin;
  size_t lineNumber = 0;
  for (size_t at = 0; at < text.size();) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = trimmed(std::string_view(text).substr(at, end - at));
    at = end + 1;
    ++lineNumber;
    if (lineNumber == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line = trimmed(line.substr(3));
    if (line.empty() || line[0] == '#') continue;
    const std::string where = origin + ":" + std::to_string(lineNumber);
    const size_t equals = line.find(" = ");
    if (equals == std::string::npos) throw std::runtime_error(where + ": expected \"source = shown\"");
    std::string source = trimmed(line.substr(0, equals)), shown = trimmed(line.substr(equals + 3));
    if (source.empty() || shown.empty()) throw std::runtime_error(where + ": an entry needs both sides");
    if (!table.entries_.emplace(std::move(source), std::move(shown)).second)
      throw std::runtime_error(where + ": \"" + trimmed(line.substr(0, equals)) + "\" is given twice");
  }
  return table;
}

const char* WordTable::shown(const char* source) const {
  if (!source || !*source) return "";
  const auto it = entries_.find(source);
  if (it != entries_.end()) return it->second.c_str();
  if (!holdsWordToTranslate(source)) return source;
  throw std::runtime_error(origin_ + " has no entry for \"" + source + "\"");
}

ko::WindowLayout inLanguage(const ko::WindowLayout& window, const WordTable& words) {
  ko::WindowLayout copy = window;
  copy.heading = words.shown(window.heading);
  for (ko::ControlSpec& c : copy.controls) c.caption = words.shown(c.caption);
  for (ko::Decoration& d : copy.decorations) d.text = words.shown(d.text);
  return copy;
}

std::vector<std::string> skinTexts(const std::vector<const ko::WindowLayout*>& windows) {
  std::vector<std::string> texts;
  std::set<std::string> seen;
  auto add = [&](const char* text) {
    if (text && *text && seen.insert(text).second) texts.emplace_back(text);
  };
  for (const ko::WindowLayout* w : windows) {
    add(w->heading);
    for (const ko::ControlSpec& c : w->controls) add(c.caption);
    for (const ko::Decoration& d : w->decorations) add(d.text);
  }
  add(kLogoProductLine);
  return texts;
}

}  // namespace skingen
