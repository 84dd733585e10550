#include "settings/service_link.h"

#include <algorithm>

namespace ko {
namespace {

ServiceNotice sent(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) {
  return ServiceNotice{message, wParam, lParam, false};
}

}  // namespace

ServiceNotice lightingChangedNotice() { return sent(to_service::kLightingChanged); }

std::optional<ServiceNotice> pollingRateNotice(int32_t pollingRate) {
  intptr_t code = 0;
  switch (pollingRate) {
    case 1: code = 3; break;
    case 2: code = 2; break;
    case 4: code = 1; break;
    case 8: code = 1; break;
    default: return std::nullopt;
  }
  return ServiceNotice{to_service::kPollingRateChanged, 0, code, true};
}

ServiceNotice settingsAppliedNotice() { return sent(to_service::kSettingsApplied); }
ServiceNotice wheelScrollLinesNotice() { return sent(to_service::kWheelScrollLinesChanged); }
ServiceNotice doubleClickSpeedNotice() { return sent(to_service::kDoubleClickSpeedChanged); }
ServiceNotice activeStageNotice() { return sent(to_service::kStageOrAccelerationChanged, 0, 0); }
ServiceNotice accelerationNotice() { return sent(to_service::kStageOrAccelerationChanged, 255, 255); }
ServiceNotice profileChangedNotice() { return sent(to_service::kProfileChanged); }

ServiceNotice buttonAssignmentNotice(int profileIndex, int buttonIndex) {
  return sent(to_service::kButtonAssignmentChanged, static_cast<uintptr_t>(profileIndex), buttonIndex);
}
ServiceNotice macroChangedNotice(int macroSlot) {
  return sent(to_service::kMacroChanged, static_cast<uintptr_t>(macroSlot));
}
ServiceNotice dpiLevelNotice(int stageIndex) {
  return sent(to_service::kDpiLevelChanged, static_cast<uintptr_t>(stageIndex));
}

bool deliverNotice(ServiceWindow& service, ServiceWindowHandle window, const ServiceNotice& notice) {
  if (window == 0) return false;
  if (notice.posted)
    service.post(window, notice.message, notice.wParam, notice.lParam);
  else
    service.send(window, notice.message, notice.wParam, notice.lParam);
  return true;
}

bool notifyService(ServiceWindow& service, const ServiceNotice& notice) {
  return deliverNotice(service, service.find(), notice);
}

bool NoticeBacklog::saveThenNotify(ServiceWindow& service, const std::function<bool()>& save,
                                   const std::vector<ServiceNotice>& notices) {
  for (const ServiceNotice& notice : notices)
    if (std::find(kept_.begin(), kept_.end(), notice) == kept_.end()) kept_.push_back(notice);
  // Looked up before the save, as every command does: the service reads only after it.
  const ServiceWindowHandle window = service.find();
  waiting_ = save && !save();
  if (waiting_) return false;
  for (const ServiceNotice& notice : kept_) deliverNotice(service, window, notice);
  kept_.clear();
  return true;
}

}  // namespace ko
