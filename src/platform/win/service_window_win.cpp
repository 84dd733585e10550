#include <windows.h>

#include "platform/service_window.h"

namespace ko {
namespace {

constexpr UINT kSendTimeoutMs = 2000;

class Win32ServiceWindow final : public ServiceWindow {
 public:
  ServiceWindowHandle find() override {
    return reinterpret_cast<ServiceWindowHandle>(FindWindowW(nullptr, reinterpret_cast<const wchar_t*>(kServiceWindowTitle)));
  }
  // Synchronous, but bounded: a service that hangs must not freeze the window. While it
  // waits the thread still answers messages sent to it (the service may be sending one).
  void send(ServiceWindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override {
    if (window == 0) return;
    DWORD_PTR result = 0;
    SendMessageTimeoutW(reinterpret_cast<HWND>(window), message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                        kSendTimeoutMs, &result);
  }
  void post(ServiceWindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override {
    if (window != 0) PostMessageW(reinterpret_cast<HWND>(window), message, wParam, lParam);
  }
};

}  // namespace

ServiceWindow& platformServiceWindow() {
  static Win32ServiceWindow window;
  return window;
}

}  // namespace ko
