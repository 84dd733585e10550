// What the program does when the device service reports something: a change made on the
// mouse itself, new DPI records, a request, the mouse being unplugged. The handler works on
// the main window's settings store and tells the window what to show through ServiceEventView.
#pragma once
#include <cstdint>
#include <optional>
#include "settings/service_link.h"
#include "settings/settings_store.h"

namespace ko {

// The page only the service can bring up.
constexpr int kServicePage = 100005;

// Kinds of change made on the mouse (message 1285, wParam).
namespace device_change {
constexpr uintptr_t kDpiStage = 8;
constexpr uintptr_t kProfile = 9;
constexpr uintptr_t kLighting = 10;
}  // namespace device_change

// Requests of the service (message 1034, lParam).
namespace service_request {
constexpr intptr_t kFactoryDefaults = 11;
constexpr intptr_t kApply = 12;
constexpr intptr_t kOpenHelp = 22;
constexpr intptr_t kIgnoredA = 18;
constexpr intptr_t kIgnoredB = 20;
}  // namespace service_request

class ServiceEventView {
 public:
  virtual ~ServiceEventView() = default;
  // Every page's controls set again from the working record, then the window repainted.
  virtual void refreshAllPages() = 0;
  virtual void showPage(int page) = 0;
  virtual void openHelpFile() = 0;
};

// The mouse's lighting report (kind 10) as the record's mode and on/off state.
struct LightingReport {
  int32_t ledMode;
  int32_t ledStateOn;
};
LightingReport lightingFromDevice(intptr_t value);

class ServiceEvents {
 public:
  ServiceEvents(SettingsStore& settings, ServiceEventView& view) : settings_(settings), view_(view) {}
  ServiceEvents(const ServiceEvents&) = delete;
  ServiceEvents& operator=(const ServiceEvents&) = delete;

  // The result for the window procedure, or nothing when the message is not the service's.
  std::optional<intptr_t> handle(uint32_t message, uintptr_t wParam, intptr_t lParam);

 private:
  void dpiInfosChanged();
  void deviceChanged(uintptr_t kind, intptr_t value);
  intptr_t request(intptr_t what);

  SettingsStore& settings_;
  ServiceEventView& view_;
};

}  // namespace ko
