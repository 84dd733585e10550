#include "service_window.h"

#include <memory>

#include "busy_service.h"
#include "line_log.h"
#include "log_line.h"
#include "settings_file.h"

namespace service_sim {
namespace {

struct ServiceState {
  LineLog* log;
  std::wstring settingsFile;
  BusyService* busy;  // none unless --busy
};

// WM_USER and WM_APP ranges: the messages programs agree on privately. Registered
// messages (0xC000 and up) are left out: the system broadcasts those to every top-level
// window.
bool isPrivateMessage(UINT message) { return message >= WM_USER && message < 0xC000; }

LRESULT CALLBACK serviceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* state = reinterpret_cast<ServiceState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  LRESULT controlResult = 0;
  if (state != nullptr && state->busy != nullptr && state->busy->control(message, wParam, controlResult))
    return controlResult;
  if (state != nullptr && isPrivateMessage(message)) {
    state->log->write(receivedLine(message, static_cast<uint32_t>(wParam), static_cast<int32_t>(lParam),
                                   digestFile(state->settingsFile)));
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::string narrowPath(const std::wstring& path) {
  int size = WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string text(size > 0 ? size - 1 : 0, '\0');
  if (size > 1) WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, &text[0], size, nullptr, nullptr);
  return text;
}

}  // namespace

HWND findSimulator() { return FindWindowW(kSimulatorClass, kServiceTitle); }

int runService(const std::wstring& logPath, const std::wstring& settingsFile, bool busy, uint32_t seed) {
  // A second window with the same title would leave it to chance which one the program finds.
  if (FindWindowW(nullptr, kServiceTitle) != nullptr) {
    OutputDebugStringW(L"service_sim: a service window already exists\n");
    return 4;
  }
  LineLog log(logPath);
  if (!log.ok()) return 3;
  ServiceState state{&log, settingsFile, nullptr};

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = serviceProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kSimulatorClass;
  if (!RegisterClassW(&windowClass)) return 3;
  // Top-level but never shown: FindWindowW sees hidden windows, and message-only windows
  // are invisible to it.
  HWND window = CreateWindowExW(0, kSimulatorClass, kServiceTitle, WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                                windowClass.hInstance, &state);
  if (window == nullptr) return 3;
  std::unique_ptr<BusyService> busyService;
  if (busy) busyService = std::make_unique<BusyService>(settingsFile, log, seed);
  state.busy = busyService.get();
  log.write("# service_sim ready; settings file " + narrowPath(settingsFile) + "\n");

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  state.busy = nullptr;
  busyService.reset();
  log.write("# service_sim closed\n");
  return 0;
}

}  // namespace service_sim
