#include "skin/skin_files.h"

namespace ko {
namespace {

Text readValue(const ProfileFile& layout, TextView section, TextView key) {
  Text value = layout.readString(section, key, u"");
  if (value.size() > kSkinValueUnits) value.resize(kSkinValueUnits);
  return value;
}

}  // namespace

Text SkinFolder(TextView programFolder) {
  Text folder(programFolder);
  folder += u"skins\\";
  return folder;
}

Text SkinPath(TextView programFolder, TextView name) {
  Text path = SkinFolder(programFolder);
  path += name;
  return path;
}

Text MenuPicturePath(TextView programFolder, TextView pictureName) {
  Text path(programFolder);
  path += u"Skins\\";
  path += pictureName;
  return path;
}

SkinScreen ReadSkinScreen(const ProfileFile& layout, ScreenKeys keys) {
  SkinScreen screen;
  if (keys.main) screen.main = readValue(layout, u"Screen", u"Main");
  if (keys.over) screen.over = readValue(layout, u"Screen", u"Over");
  if (keys.down) screen.down = readValue(layout, u"Screen", u"Down");
  if (keys.disabled) screen.disabled = readValue(layout, u"Screen", u"Disabled");
  return screen;
}

Text ReadButtonCaption(const ProfileFile& layout, int number) {
  return readValue(layout, u"BUTTONPOS", decimal(number));
}

}  // namespace ko
