#include <windows.h>

#include "platform/service_window.h"

namespace ko {
namespace {

class Win32ServiceWindow final : public ServiceWindow {
 public:
  ServiceWindowHandle find() override {
    return reinterpret_cast<ServiceWindowHandle>(FindWindowW(nullptr, reinterpret_cast<const wchar_t*>(kServiceWindowTitle)));
  }
  void send(ServiceWindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) override {
    if (window != 0) SendMessageW(reinterpret_cast<HWND>(window), message, wParam, lParam);
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
