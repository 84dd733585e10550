// Where a window's skin lives and what its layout file says: the folder and picture paths,
// the "Screen" picture names and the "BUTTONPOS" captions of a skin layout file.
#pragma once
#include "platform/wide_text.h"
#include "platform/profile_file.h"

namespace ko {

// Values of a layout file are read into a 4096-unit buffer: at most 4095 units survive.
inline constexpr size_t kSkinValueUnits = 4095;

// program folder + "skins\" (the program folder already ends in a backslash).
Text SkinFolder(TextView programFolder);
// program folder + "skins\" + name: a layout file or a picture named by one.
Text SkinPath(TextView programFolder, TextView name);
// The popup menus spell the folder "Skins" ("%sSkins\%s"); lookups in the skin folder
// ignore case, so both spellings reach the same files.
Text MenuPicturePath(TextView programFolder, TextView pictureName);

// The picture names of section "Screen"; "" for every key that is missing.
struct SkinScreen {
  Text main, over, down, disabled;
};

// Which of the "Screen" keys a window reads; the others stay "".
struct ScreenKeys {
  bool main = true, over = false, down = false, disabled = false;
};

SkinScreen ReadSkinScreen(const ProfileFile& layout, ScreenKeys keys = {true, true, true, true});

// "BUTTONPOS"/<number>: the caption of control `number`, "" when missing.
Text ReadButtonCaption(const ProfileFile& layout, int number);

}  // namespace ko
