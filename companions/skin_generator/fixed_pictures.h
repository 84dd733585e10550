// The pictures the program opens by fixed name (no layout file names them): logo, device,
// slider thumbs, colour picker parts, popup menu pictures and the macro-name popup's
// background. Sizes come from the program's own list, so the two cannot drift apart.
#pragma once
#include <string>
#include <vector>
#include "canvas.h"
#include "skin/window_layout.h"
#include "word_table.h"

namespace skingen {

// Draws the named fixed picture onto a canvas of its listed size, its words through the
// table (the words as the tables name them without one); false for a name the generator
// has no drawing for.
bool paintFixedPicture(Canvas& canvas, const std::string& file, const WordTable* words = nullptr);

// Draws and writes every picture of ko::fixedSkinPictures() into `folder` (ending in '/').
std::vector<std::string> writeFixedPictures(const Fonts& fonts, const std::string& folder, const WordTable& words);

}  // namespace skingen
