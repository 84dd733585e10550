#include "platform/service_window.h"

namespace ko {
namespace {

// A native build has no device service: every lookup finds nothing, so nothing is sent.
class AbsentServiceWindow final : public ServiceWindow {
 public:
  ServiceWindowHandle find() override { return 0; }
  void send(ServiceWindowHandle, uint32_t, uintptr_t, intptr_t) override {}
  void post(ServiceWindowHandle, uint32_t, uintptr_t, intptr_t) override {}
};

}  // namespace

ServiceWindow& platformServiceWindow() {
  static AbsentServiceWindow window;
  return window;
}

}  // namespace ko
