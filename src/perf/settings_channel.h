// What the performance and lighting commands need of the main window to store a change
// and tell the device service about it. The window implements it on the real file and
// service; the tests on an in-memory file and a recording service.
#pragma once
#include <cstdint>
#include <optional>
#include "platform/service_window.h"
#include "settings/service_link.h"

namespace ko {

class SettingsChannel {
 public:
  virtual ~SettingsChannel() = default;
  // Finds the service, saves the whole working record, then delivers `notice` (if any)
  // when the service was found.
  virtual void saveAndNotify(const std::optional<ServiceNotice>& notice) = 0;
  virtual ServiceWindow& service() = 0;
  // The mouse is about to drop off and come back after a rate change: its removal notice
  // is then expected and must not be taken for an unplugged mouse.
  virtual void expectReconnect() = 0;
};

}  // namespace ko
