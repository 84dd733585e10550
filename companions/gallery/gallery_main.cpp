// kogallery [skin folder] [--log file]: shows the control gallery built from the skin
// folder (by default the "skins" folder beside the program) and, with --log, appends every
// message its controls send to the file.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "gallery_window.h"
#include "text/interface_text.h"

namespace {

std::wstring WithBackslash(std::wstring folder) {
  if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
  return folder;
}

std::wstring ProgramFolderOf() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  const size_t slash = folder.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash + 1);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
  std::wstring skins = ProgramFolderOf() + L"skins\\";
  std::wstring logPath;
  for (int i = 1; args && i < count; ++i) {
    const std::wstring arg = args[i];
    if (arg == L"--log" && i + 1 < count) logPath = args[++i];
    else skins = WithBackslash(arg);
  }
  if (args) LocalFree(args);

  ko::gallery::MessageLog log;
  if (!logPath.empty()) log.Open(logPath);
  // The face name comes from the language file of the program folder above the skins.
  std::wstring programFolder = skins.substr(0, skins.size() - 1);
  programFolder = programFolder.substr(0, programFolder.find_last_of(L"\\/") + 1);
  ko::LoadFaceName(ko::LanguageFilePath(reinterpret_cast<const char16_t*>(programFolder.c_str())));

  ko::GdiplusSession gdiplus;
  int status = 1;
  {
    ko::gallery::GalleryWindow window(skins, log);
    if (window.Create()) {
      MSG message;
      while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
      status = 0;
    }
  }
  log.Write("exit %d", status);
  return status;
}
