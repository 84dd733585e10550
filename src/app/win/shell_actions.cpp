#include "app/win/shell_actions.h"

#include <windows.h>
#include <shellapi.h>

#include "app/web_command.h"
#include "text/interface_text.h"

namespace ko {

namespace {

const wchar_t* W(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

// The default value of a key under the classes root, at most 260 characters.
bool ReadClassesDefault(const Text& keyName, Text& value) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, W(keyName), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  wchar_t buffer[261] = {};
  DWORD bytes = sizeof(buffer) - sizeof(wchar_t);
  DWORD type = 0;
  const LONG status = RegQueryValueExW(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &bytes);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return true;
  buffer[bytes / sizeof(wchar_t) < 260 ? bytes / sizeof(wchar_t) : 260] = 0;
  value = reinterpret_cast<const char16_t*>(buffer);
  return true;
}

bool IsExistingFile(const Text& path) {
  const DWORD attributes = GetFileAttributesW(W(path));
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void OpenHelpFile() {
  if (HWND viewer = FindWindowW(nullptr, L"HTML Help")) {
    if (IsIconic(viewer)) ShowWindow(viewer, SW_RESTORE);
    SetForegroundWindow(viewer);
    SetActiveWindow(viewer);
    return;
  }
  // The program folder as start-up found it (the short form of a very deep one).
  const Text help = Text(ProgramFolder()) + u"Zarvocfg.chm";
  ShellExecuteW(nullptr, L"open", W(help), nullptr, nullptr, SW_SHOWNORMAL);
}

int OpenWebPage(TextView address) {
  Text fileType;
  if (!ReadClassesDefault(u".htm", fileType)) return -1;
  Text commandTemplate;
  ReadClassesDefault(fileType + u"\\shell\\open\\command", commandTemplate);
  const Text executable = browserExecutable(commandTemplate, IsExistingFile);
  Text commandLine = browserCommandLine(executable, address);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  // CreateProcessW may write into the command line, so it gets a copy of its own.
  std::wstring mutableLine(W(commandLine));
  if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return -1;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

}  // namespace ko
