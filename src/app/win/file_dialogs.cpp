#include "app/win/file_dialogs.h"

#include <commdlg.h>

#include <algorithm>

namespace ko {
namespace {

using FileDialogCall = BOOL(WINAPI*)(OPENFILENAMEW*);

// The common dialog library is loaded when a file dialog is first asked for, not at
// start-up: most sessions never open one, and every library loaded costs memory.
FileDialogCall FileDialogFunction(bool save) {
  static HMODULE library = LoadLibraryW(L"comdlg32.dll");
  if (!library) return nullptr;
  return reinterpret_cast<FileDialogCall>(
      reinterpret_cast<void*>(GetProcAddress(library, save ? "GetSaveFileNameW" : "GetOpenFileNameW")));
}

std::optional<Text> Ask(HWND owner, const FileDialogRequest& request, bool save) {
  // The dialog wants its filter pairs separated by NULs and the list ended by two.
  Text filter = request.filter;
  for (char16_t& c : filter)
    if (c == u'|') c = u'\0';
  filter.push_back(u'\0');
  Text extension = request.defaultExtension;
  if (!extension.empty() && extension.front() == u'.') extension.erase(0, 1);

  wchar_t file[MAX_PATH] = {};
  const size_t units = std::min<size_t>(request.initialName.size(), MAX_PATH - 1);
  std::copy(request.initialName.begin(), request.initialName.begin() + units, file);

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = reinterpret_cast<const wchar_t*>(filter.c_str());
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrInitialDir = request.initialFolder.empty() ? nullptr : reinterpret_cast<const wchar_t*>(request.initialFolder.c_str());
  ofn.lpstrDefExt = extension.empty() ? nullptr : reinterpret_cast<const wchar_t*>(extension.c_str());
  ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
  const FileDialogCall show = FileDialogFunction(save);
  const BOOL chosen = show ? show(&ofn) : FALSE;
  if (!chosen || file[0] == L'\0') return std::nullopt;
  return Text(reinterpret_cast<const char16_t*>(file));
}

}  // namespace

std::optional<Text> AskFileToOpen(HWND owner, const FileDialogRequest& request) { return Ask(owner, request, false); }
std::optional<Text> AskFileToSave(HWND owner, const FileDialogRequest& request) { return Ask(owner, request, true); }

}  // namespace ko
