#include "macro/macro_paths.h"

#include <algorithm>
#include "settings/button_assignment.h"

namespace ko {
namespace {

bool isRefusedUnit(char16_t c) {
  if (c < 0x20 || c == 0x7F) return true;
  switch (c) {
    case u'\\': case u'/': case u':': case u'*': case u'?': case u'"': case u'<': case u'>': case u'|':
      return true;
    default:
      return false;
  }
}

bool hasUnpairedSurrogate(TextView text) {
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (i + 1 >= text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) return true;
      ++i;
    } else if (c >= 0xDC00 && c <= 0xDFFF) {
      return true;
    }
  }
  return false;
}

// Windows opens a device for these names whatever extension follows them.
bool isDeviceName(TextView name) {
  TextView stem = name.substr(0, std::min(name.find(u'.'), name.size()));
  while (!stem.empty() && stem.back() == u' ') stem.remove_suffix(1);
  for (const char16_t* device : {u"CON", u"PRN", u"AUX", u"NUL", u"CONIN$", u"CONOUT$"})
    if (equalsNoCase(stem, device)) return true;
  if (stem.size() == 4 && (equalsNoCase(stem.substr(0, 3), u"COM") || equalsNoCase(stem.substr(0, 3), u"LPT")))
    return stem[3] >= u'1' && stem[3] <= u'9';
  return false;
}

}  // namespace

Text macroFolderOf(TextView settingsFolder) { return Text(settingsFolder) + u"Macro\\"; }

Text macroFilePath(TextView macroFolder, TextView name) { return Text(macroFolder) + Text(name) + kMacroExtension; }

bool isUsableMacroName(TextView name, TextView macroFolder) {
  if (name.empty() || name.size() >= kMacroNameUnits) return false;
  // The profile functions strip blanks at both ends, and quotes that enclose a value.
  for (char16_t end : {name.front(), name.back()})
    if (end == u' ' || end == u'\'' || end == u'"') return false;
  if (std::any_of(name.begin(), name.end(), isRefusedUnit)) return false;
  if (std::all_of(name.begin(), name.end(), [](char16_t c) { return c == u'.'; })) return false;
  if (hasUnpairedSurrogate(name) || isDeviceName(name)) return false;
  return macroFilePath(macroFolder, name).size() <= kMaxPathUnits;
}

}  // namespace ko
