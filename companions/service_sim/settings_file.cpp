#include "settings_file.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

namespace service_sim {

std::wstring settingsFilePath(const std::wstring& folder) {
  std::wstring path = folder;
  if (path.empty()) {
    wchar_t appData[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, appData)))
      path = std::wstring(appData) + L"\\VX48K2\\RoduraZoviv";
  }
  if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
  return path + L"Mouse.ini";
}

std::optional<FileDigest> digestFile(const std::wstring& path) {
  // Share everything: the program may be rewriting the file while the service looks.
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::vector<unsigned char> bytes;
  unsigned char chunk[16384];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, chunk, sizeof chunk, &got, nullptr) != FALSE) && got > 0) bytes.insert(bytes.end(), chunk, chunk + got);
  CloseHandle(file);
  if (!ok) return std::nullopt;
  return FileDigest{fnv1a64(bytes.data(), bytes.size()), bytes.size()};
}

}  // namespace service_sim
