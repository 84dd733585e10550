// The messages exchanged with the device service. The settings file is the channel for
// the values themselves; a message only names the group that changed, after the save.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>
#include "platform/service_window.h"

namespace ko {

// To the service.
namespace to_service {
constexpr uint32_t kLightingChanged = 1227;           // (0, 0)
constexpr uint32_t kPollingRateChanged = 1277;        // posted; (0, rate code)
constexpr uint32_t kSettingsApplied = 1279;           // (0, 0): reread everything
constexpr uint32_t kWheelScrollLinesChanged = 1295;   // (0, 0)
constexpr uint32_t kDoubleClickSpeedChanged = 1296;   // (0, 0)
constexpr uint32_t kStageOrAccelerationChanged = 1297;  // (0, 0) stage; (255, 255) acceleration
constexpr uint32_t kProfileChanged = 1298;            // (0, 0)
constexpr uint32_t kButtonAssignmentChanged = 1299;   // (profile, button)
constexpr uint32_t kMacroChanged = 1300;              // (macro slot, 0)
constexpr uint32_t kDpiLevelChanged = 1302;           // (stage, 0)
}  // namespace to_service

// From the service, to the main window.
namespace from_service {
constexpr uint32_t kDpiInfosChanged = 1224;
constexpr uint32_t kRequest = 1034;        // lParam: the request
constexpr uint32_t kDeviceRemoved = 1280;
constexpr uint32_t kAcknowledged = 1282;
constexpr uint32_t kDeviceChanged = 1285;  // wParam: kind, lParam: value
constexpr uint32_t kShowServicePage = 1294;
}  // namespace from_service

struct ServiceNotice {
  uint32_t message;
  uintptr_t wParam;
  intptr_t lParam;
  bool posted;  // only the polling rate is posted: the mouse reconnects meanwhile
  bool operator==(const ServiceNotice& other) const {
    return message == other.message && wParam == other.wParam && lParam == other.lParam && posted == other.posted;
  }
};

ServiceNotice lightingChangedNotice();
// Rates 1, 2, 4, 8 give codes 3, 2, 1, 1; the service knows no other rate, so none is sent.
std::optional<ServiceNotice> pollingRateNotice(int32_t pollingRate);
ServiceNotice settingsAppliedNotice();
ServiceNotice wheelScrollLinesNotice();
ServiceNotice doubleClickSpeedNotice();
ServiceNotice activeStageNotice();
ServiceNotice accelerationNotice();
ServiceNotice profileChangedNotice();
ServiceNotice buttonAssignmentNotice(int profileIndex, int buttonIndex);
ServiceNotice macroChangedNotice(int macroSlot);
ServiceNotice dpiLevelNotice(int stageIndex);

// Delivers the notice to a window found earlier; false (and nothing sent) for no window.
bool deliverNotice(ServiceWindow& service, ServiceWindowHandle window, const ServiceNotice& notice);
// Looks the service up and delivers; false when it is not running.
bool notifyService(ServiceWindow& service, const ServiceNotice& notice);

// Notices of saves that have not landed yet. The service must hear of every change the
// file holds, and of none it lacks: a save that fails keeps its notices here, the caller
// tries the save again later (the main window on a timer), and the first save that lands
// delivers every kept notice, in order and each once, before its own.
class NoticeBacklog {
 public:
  // Looks the service up, runs `save`, and when it lands delivers the kept notices and
  // then `notices`. True when the save landed.
  bool saveThenNotify(ServiceWindow& service, const std::function<bool()>& save,
                      const std::vector<ServiceNotice>& notices);
  // A save failed since the last one that landed: it is to be tried again.
  bool waiting() const { return waiting_; }
  const std::vector<ServiceNotice>& kept() const { return kept_; }

 private:
  std::vector<ServiceNotice> kept_;
  bool waiting_ = false;
};

}  // namespace ko
