// hook_probe: a window that loads KBHook.dll the way the configuration program does (all
// five exports looked up by name, "installhook" with its window, then "enablehook" (0)) and
// writes every keystroke message it receives to a log, so a test can drive the library
// with real input. With --title "VX48K2 Gaming Mouse" it also stands in for the program's
// main window as the service simulator's receiver. A second invocation steers the probe:
//   hook_probe.exe --dll <KBHook.dll> --log <file> [--title <text>]   run the probe window
//   hook_probe.exe --enable 0|1 | --remove | --unload | --mouse 0|1 | --quit
// Log lines: "2258 <virtual key> <flags>" per keystroke, "<message> <wParam> <lParam>" for
// any other private message (answered with lParam + 1, so a sender can check the reply),
// "# ..." for what the probe did.
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cwchar>
#include <string>

#include "../kbhook_api.h"

namespace {

constexpr wchar_t kClassName[] = L"KBHookProbe";
enum Control : UINT { kEnable = WM_APP + 1, kRemove, kUnload, kMouse };

class ProbeLog {
 public:
  explicit ProbeLog(const wchar_t* path)
      : file_(CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~ProbeLog() {
    if (ok()) CloseHandle(file_);
  }
  ProbeLog(const ProbeLog&) = delete;
  ProbeLog& operator=(const ProbeLog&) = delete;
  bool ok() const { return file_ != INVALID_HANDLE_VALUE; }
  __attribute__((format(gnu_printf, 2, 3))) void line(const char* format, ...) {
    char text[128];
    va_list arguments;
    va_start(arguments, format);
    int length = std::vsnprintf(text, sizeof text - 1, format, arguments);
    va_end(arguments);
    if (length < 0) return;
    if (length > static_cast<int>(sizeof text) - 2) length = sizeof text - 2;
    text[length++] = '\n';
    DWORD written = 0;
    WriteFile(file_, text, static_cast<DWORD>(length), &written, nullptr);
    FlushFileBuffers(file_);
  }

 private:
  HANDLE file_;
};

template <typename Function>
Function lookUp(HMODULE module, const char* name) {
  // Through void (*)(): the one function-pointer type every other converts from cleanly.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The library with its five entry points; unloading it is one of the things under test.
class HookLibrary {
 public:
  explicit HookLibrary(const wchar_t* path) : module_(LoadLibraryW(path)) {
    if (module_ == nullptr) return;
    install = lookUp<kbhook::InstallHookFn>(module_, "installhook");
    remove = lookUp<kbhook::RemoveHookFn>(module_, "removehook");
    enable = lookUp<kbhook::EnableHookFn>(module_, "enablehook");
    installMouse = lookUp<kbhook::InstallMouseHookFn>(module_, "installmousehook");
    removeMouse = lookUp<kbhook::RemoveMouseHookFn>(module_, "removemousehook");
  }
  ~HookLibrary() { unload(); }
  HookLibrary(const HookLibrary&) = delete;
  HookLibrary& operator=(const HookLibrary&) = delete;

  bool complete() const { return install && remove && enable && installMouse && removeMouse; }
  bool loaded() const { return module_ != nullptr; }
  void unload() {
    if (module_ != nullptr) FreeLibrary(module_);
    module_ = nullptr;
    install = nullptr; remove = nullptr; enable = nullptr; installMouse = nullptr; removeMouse = nullptr;
  }

  kbhook::InstallHookFn install = nullptr;
  kbhook::RemoveHookFn remove = nullptr;
  kbhook::EnableHookFn enable = nullptr;
  kbhook::InstallMouseHookFn installMouse = nullptr;
  kbhook::RemoveMouseHookFn removeMouse = nullptr;

 private:
  HMODULE module_;
};

ProbeLog* g_log = nullptr;
HookLibrary* g_library = nullptr;

LRESULT handleControl(UINT message, WPARAM wParam) {
  HookLibrary& library = *g_library;
  if (!library.loaded()) return -1;
  switch (message) {
    case kEnable:
      g_log->line("# enablehook(%u) -> %d", static_cast<unsigned>(wParam), library.enable(static_cast<int>(wParam)));
      return 0;
    case kRemove:
      g_log->line("# removehook() -> %d", library.remove());
      return 0;
    case kUnload:
      library.unload();
      g_log->line("# library unloaded");
      return 0;
    case kMouse:
      if (wParam) g_log->line("# installmousehook() -> %d", library.installMouse());
      else g_log->line("# removemousehook() -> %d", library.removeMouse());
      return 0;
  }
  return -1;
}

LRESULT CALLBACK probeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kbhook::kKeystrokeMessage) {
    g_log->line("2258 %lu %lu", static_cast<unsigned long>(wParam), static_cast<unsigned long>(lParam));
    return 0;
  }
  if (message >= kEnable && message <= kMouse) return handleControl(message, wParam);
  if (message >= WM_USER && message < 0xC000) {
    g_log->line("%u %lu %ld", message, static_cast<unsigned long>(wParam), static_cast<long>(lParam));
    return lParam + 1;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

int runProbe(const wchar_t* dllPath, const wchar_t* logPath, const wchar_t* title) {
  ProbeLog log(logPath);
  if (!log.ok()) return std::fwprintf(stderr, L"cannot open log %ls\n", logPath), 3;
  HookLibrary library(dllPath);
  if (!library.complete()) return std::fwprintf(stderr, L"%ls lacks an export or did not load\n", dllPath), 3;
  g_log = &log;
  g_library = &library;

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = probeProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  RegisterClassW(&windowClass);
  // Visible and at the origin: X delivers the test's keystrokes to the focused window, and
  // Wine only sees input aimed at one of its own windows.
  HWND window = CreateWindowExW(WS_EX_TOPMOST, kClassName, title, WS_POPUP | WS_VISIBLE, 0, 0, 320, 240,
                                nullptr, nullptr, windowClass.hInstance, nullptr);
  if (window == nullptr) return 4;
  BOOL installed = library.install(window);
  library.enable(0);
  log.line("# installhook() -> %d", installed);
  if (!installed) return 4;

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (library.loaded()) library.remove();
  return 0;
}

int steer(UINT message, WPARAM wParam) {
  HWND probe = FindWindowW(kClassName, nullptr);
  if (probe == nullptr) return std::fputs("no probe running\n", stderr), 2;
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(probe, message, wParam, 0, SMTO_ABORTIFHUNG, 10000, &result)) return 3;
  return static_cast<LRESULT>(result) == 0 ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const wchar_t* dll = nullptr;
  const wchar_t* log = nullptr;
  const wchar_t* title = L"KBHook probe";
  for (int i = 1; i < argc; ++i) {
    std::wstring option = argv[i];
    const wchar_t* value = i + 1 < argc ? argv[i + 1] : nullptr;
    if (option == L"--quit") return steer(WM_CLOSE, 0);
    if (option == L"--remove") return steer(kRemove, 0);
    if (option == L"--unload") return steer(kUnload, 0);
    if (value == nullptr) break;
    if (option == L"--enable") return steer(kEnable, std::wcstoul(value, nullptr, 10));
    if (option == L"--mouse") return steer(kMouse, std::wcstoul(value, nullptr, 10));
    if (option == L"--dll") dll = value, ++i;
    else if (option == L"--log") log = value, ++i;
    else if (option == L"--title") title = value, ++i;
    else break;
  }
  if (dll == nullptr || log == nullptr) {
    std::fputs("usage: hook_probe --dll <KBHook.dll> --log <file> [--title <text>] | --enable 0|1 | --mouse 0|1 | --remove | --unload | --quit\n",
                stderr);
    return 2;
  }
  return runProbe(dll, log, title);
}
