// The words of the skin in one language: every caption of the layout files and every word
// drawn into the pictures, keyed by the word as the window tables name it and giving the
// word as this language shows it. One file per language, kept beside that language's
// Strings.xml, so a translator finds every word of the interface in two files side by side.
//
// File format (UTF-8): one "source = shown" entry per line; lines starting with '#' and
// blank lines are ignored. Texts that hold no word to translate (numbers, units, marks)
// need no entry and are shown as they are.
#pragma once
#include <map>
#include <string>
#include <string_view>
#include <vector>
#include "skin/window_layout.h"

namespace skingen {

// True when the text holds a Latin word a translation has to replace. A word is a run of
// ASCII letters and digits; runs holding a digit (numbers, the model name) and the units
// and marks that read the same in every language ("DPI", "Hz", "ms", the colour letters
// R, G and B, and the "Warning" caption) stay.
bool holdsWordToTranslate(std::string_view utf8);

// The Latin words of a text that are not allowed to stay, in order, for reports.
std::vector<std::string> wordsToTranslate(std::string_view utf8);

class WordTable {
 public:
  // Reads the table; throws on a line without " = ", an empty side or a source given twice.
  static WordTable read(const std::string& path);
  static WordTable parse(const std::string& text, const std::string& origin);

  // The word as this language shows it: the entry for `source`, or `source` itself when it
  // holds nothing to translate. Throws when an entry is needed and missing. The pointer
  // lives as long as the table (or the source).
  const char* shown(const char* source) const;

  const std::map<std::string, std::string>& entries() const { return entries_; }
  const std::string& origin() const { return origin_; }

 private:
  std::map<std::string, std::string> entries_;
  std::string origin_;
};

// The window as this language shows it: captions, heading and drawn texts through the
// table; rectangles, pictures and everything else as they are. The copy points into the
// table, which must outlive it.
ko::WindowLayout inLanguage(const ko::WindowLayout& window, const WordTable& words);

// Every text of the windows and fixed pictures that the skin shows, each once, in order of
// first use: what a word table has to cover.
std::vector<std::string> skinTexts(const std::vector<const ko::WindowLayout*>& windows);

// Words drawn into the fixed pictures (the logo's product line).
inline constexpr const char* kLogoProductLine = "GAMING MOUSE";

}  // namespace skingen
