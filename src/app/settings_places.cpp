#include "app/settings_places.h"

#include "platform/file_system.h"

namespace ko {

SettingsPlaces settingsPlacesBelow(TextView roamingFolder) {
  SettingsPlaces places;
  if (!roamingFolder.empty()) places.folder = Text(roamingFolder) + u"\\VX48K2\\RoduraZoviv\\";
  places.settingsFile = places.folder + u"Mouse.ini";
  places.macroFolder = places.folder + u"Macro\\";
  return places;
}

bool ensureSettingsFolders(const SettingsPlaces& places) {
  if (places.folder.empty()) return false;
  // The folders are made below the roaming folder only; a path the shell gave cannot climb out.
  const bool folder = createDirectories(places.folder);
  const bool macros = createDirectories(places.macroFolder);
  return folder && macros;
}

}  // namespace ko
