#include "app/win/console_line.h"

#include <windows.h>

#include <string>

namespace ko {
namespace {

bool usable(HANDLE handle) { return handle && handle != INVALID_HANDLE_VALUE; }

// A program of the window subsystem gets no console of its own: it borrows its starter's.
HANDLE ParentConsoleOutput() {
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return nullptr;
  HANDLE out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
  return usable(out) ? out : nullptr;
}

}  // namespace

void WriteConsoleLine(const Text& line) {
  if (line.empty()) return;  // no language file: nothing worth a line
  const Text text = line + u"\r\n";
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  bool borrowed = false;
  if (!usable(out)) {
    out = ParentConsoleOutput();
    borrowed = out != nullptr;
  }
  if (!out) return;
  DWORD mode = 0, written = 0;
  if (GetConsoleMode(out, &mode)) {
    WriteConsoleW(out, text.c_str(), static_cast<DWORD>(text.size()), &written, nullptr);
  } else {
    // A file or a pipe: UTF-8, which every language's text survives.
    const std::string bytes = toUtf8(text);
    WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  }
  if (borrowed) {
    CloseHandle(out);
    FreeConsole();
  }
}

}  // namespace ko
