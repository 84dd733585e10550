// The device-service seam: the resident service that owns the mouse has a top-level window
// with a fixed title; the program finds it by that title before every notification and
// tells it, by window message, which group of settings changed.
#pragma once
#include <cstdint>

namespace ko {

constexpr char16_t kServiceWindowTitle[] = u"VX48K2MouseHid";
// The service finds the program's main window by this title, so no other window of the
// program may carry it: a dialog titled so would take the service's messages.
constexpr char16_t kMainWindowTitle[] = u"VX48K2 Gaming Mouse";

// The found window (an HWND on Windows); 0 when the service is not running.
using ServiceWindowHandle = uintptr_t;

class ServiceWindow {
 public:
  virtual ~ServiceWindow() = default;
  // Looks the window up by its title (no class name), every time: the service may have
  // started or stopped since the last notification.
  virtual ServiceWindowHandle find() = 0;
  // Synchronous: returns once the service has handled the message, or after a bounded wait
  // for a service that does not answer (the result is unused).
  virtual void send(ServiceWindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
  // Queued: the service handles it later.
  virtual void post(ServiceWindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
};

// The real service on Windows; natively there is none, so nothing is ever found.
ServiceWindow& platformServiceWindow();

}  // namespace ko
