#include "app/win/roaming_folder.h"

#include <windows.h>
#include <shlobj.h>

namespace ko {

Text RoamingFolder() {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, folder))) return Text();
  return Text(reinterpret_cast<const char16_t*>(folder));
}

}  // namespace ko
