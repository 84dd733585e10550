#include "platform/service_recorder.h"

namespace ko {

ServiceWindowHandle ServiceRecorder::find() {
  ++lookups_;
  return running_ ? kHandle : 0;
}

void ServiceRecorder::send(ServiceWindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  receive(window, message, wParam, lParam, false);
}

void ServiceRecorder::post(ServiceWindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  receive(window, message, wParam, lParam, true);
}

void ServiceRecorder::receive(ServiceWindowHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam,
                              bool posted) {
  if (!running_ || window != kHandle) return;
  messages_.push_back({message, wParam, lParam, posted, snapshot_ ? snapshot_() : std::string()});
}

}  // namespace ko
