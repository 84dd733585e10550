// skin_generator --words <table> [--chinese] <skin folder>: draws every window's full
// pictures from the window tables, writes their layout files and draws the fixed pictures,
// all into the skin folder, every word in the language of the word table (--chinese: in
// the CJK face).
// skin_generator --texts: every text of the skin a word table must translate, one a line.
// skin_generator --preview <file.png>: the control gallery as its program shows it.
#include <chrono>
#include <cstdio>
#include <exception>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>
#include "app/window_list.h"
#include "fixed_pictures.h"
#include "fonts.h"
#include "preview.h"
#include "word_table.h"
#include "skin/window_layout.h"
#include "window_pictures.h"

namespace {

// One layout file may serve two windows (the program reads it from both), but then they
// must agree on what the file says; drawing it twice would let the last one win silently.
using Signature = std::tuple<int, int, std::string, std::string, std::string, std::string>;

std::string orEmpty(const char* s) { return s ? s : ""; }

Signature signatureOf(const ko::WindowLayout& w) {
  return {w.width, w.height, orEmpty(w.mainPicture), orEmpty(w.overPicture), orEmpty(w.downPicture),
          orEmpty(w.disabledPicture)};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--preview") {
    try {
      skingen::Fonts fonts;
      skingen::writeGalleryPreview(fonts, argv[2]);
      return 0;
    } catch (const std::exception& e) {
      std::fprintf(stderr, "skin_generator: %s\n", e.what());
      return 1;
    }
  }
  if (argc == 2 && std::string(argv[1]) == "--texts") {
    for (const std::string& t : skingen::skinTexts(ko::allWindowLayouts()))
      if (skingen::holdsWordToTranslate(t)) std::printf("%s\n", t.c_str());
    return 0;
  }
  std::string folder, wordFile;
  skingen::Script script = skingen::Script::Latin;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--words" && i + 1 < argc) wordFile = argv[++i];
    else if (arg == "--chinese") script = skingen::Script::Chinese;
    else if (folder.empty() && arg.rfind("--", 0) != 0) folder = arg;
    else folder.clear(), i = argc;
  }
  if (folder.empty() || wordFile.empty()) {
    std::fprintf(stderr, "usage: %s --words <table> [--chinese] <skin folder> | --texts | --preview <file.png>\n",
                 argv[0]);
    return 2;
  }
  if (folder.back() != '/') folder += '/';
  const auto start = std::chrono::steady_clock::now();
  try {
    const skingen::WordTable words = skingen::WordTable::read(wordFile);
    skingen::Fonts fonts(script);
    size_t files = 0;
    std::map<std::string, std::pair<const ko::WindowLayout*, Signature>> seen;
    for (const ko::WindowLayout* w : ko::allWindowLayouts()) {
      auto [it, added] = seen.emplace(w->layoutFile, std::make_pair(w, signatureOf(*w)));
      if (!added) {
        if (it->second.second != signatureOf(*w))
          throw std::runtime_error(std::string(w->layoutFile) + " is shared by " + it->second.first->name +
                                   " and " + w->name + ", which disagree on its pictures or size");
        continue;
      }
      files += skingen::writeWindow(skingen::inLanguage(*w, words), fonts, folder).size();
    }
    files += skingen::writeFixedPictures(fonts, folder, words).size();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    std::printf("skin: %zu files in %s (%lld ms, words %s, font %s)\n", files, folder.c_str(),
                static_cast<long long>(ms.count()), wordFile.c_str(), fonts.regularFile().c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skin_generator: %s\n", e.what());
    return 1;
  }
  return 0;
}
