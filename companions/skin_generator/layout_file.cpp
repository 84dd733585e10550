#include "layout_file.h"
#include <map>
#include <stdexcept>
#include "platform/wide_text.h"

namespace skingen {

namespace {

void line(std::u16string& out, const std::string& utf8) {
  out += ko::u16(utf8);
  out += u"\r\n";
}

// A value is one line; a caption holding a line break would split the entry.
std::string checkedValue(const char* value, const ko::WindowLayout& window) {
  std::string v = value ? value : "";
  if (v.find_first_of("\r\n") != std::string::npos)
    throw std::runtime_error(std::string(window.name) + ": a caption holds a line break");
  return v;
}

}  // namespace

std::string layoutFileBytes(const ko::WindowLayout& window) {
  std::u16string text;
  line(text, "[Screen]");
  const std::pair<const char*, const char*> keys[] = {{"Main", window.mainPicture},
                                                      {"Over", window.overPicture},
                                                      {"Down", window.downPicture},
                                                      {"Disabled", window.disabledPicture}};
  for (const auto& [key, file] : keys)
    if (file && *file) line(text, std::string(key) + "=" + checkedValue(file, window));

  // In number order; a number the table gives twice must name one caption.
  std::map<int, std::string> captions;
  for (const ko::ControlSpec& c : window.controls) {
    if (c.captionNumber == 0) continue;
    const std::string caption = checkedValue(c.caption, window);
    auto [it, added] = captions.emplace(c.captionNumber, caption);
    if (!added && it->second != caption)
      throw std::runtime_error(std::string(window.name) + ": caption " + std::to_string(c.captionNumber) +
                               " given two texts");
  }
  text += u"\r\n";
  line(text, "[BUTTONPOS]");
  for (const auto& [number, caption] : captions) line(text, std::to_string(number) + "=" + caption);

  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

}  // namespace skingen
