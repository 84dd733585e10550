#include "settings/service_events.h"

#include "settings/service_link.h"
#include "settings/settings_file.h"

namespace ko {

LightingReport lightingFromDevice(intptr_t value) {
  switch (value) {
    case 1: return {3, 1};
    case 2: return {4, 1};
    case 4: return {2, 1};
    case 16: return {2, 0};  // the mouse switched its light off
    default: return {1, 1};
  }
}

std::optional<intptr_t> ServiceEvents::handle(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  switch (message) {
    case from_service::kDpiInfosChanged: dpiInfosChanged(); return 0;
    case from_service::kDeviceChanged: deviceChanged(wParam, lParam); return 0;
    case from_service::kRequest: return request(lParam);
    case from_service::kDeviceRemoved:
      // After a polling-rate change the mouse reconnects; that removal is expected.
      settings_.expectReconnect(false);
      return 0;
    case from_service::kAcknowledged: return 0;
    case from_service::kShowServicePage: view_.showPage(kServicePage); return 0;
    default: return std::nullopt;
  }
}

void ServiceEvents::dpiInfosChanged() {
  settings_.reloadDpiInfos();
  // The performance page shows the stage levels; without a refresh it would show old ones.
  view_.refreshAllPages();
}

void ServiceEvents::deviceChanged(uintptr_t kind, intptr_t value) {
  // The service has rewritten the file: take everything from it, then the reported field.
  // A file that cannot be read just now is not taken for an empty one, nor one that is
  // missing or lost keys: the working record keeps what it holds and takes the reported
  // field. Nothing is saved over a file that could not be read.
  const bool readable = settings_.reload(ReloadWhen::Running) != SettingsReload::Unreadable;
  const auto save = [this, readable] {
    if (readable) settings_.save();
  };
  SettingsRecord& working = settings_.working();
  switch (kind) {
    case device_change::kDpiStage:
      // A stage outside 0..5 would index past the six stage records; keep the file's.
      if (value >= 0 && value < kDpiStageCount) {
        working.DPI = static_cast<int32_t>(value);
        activeProfile(working).DPI = static_cast<int32_t>(value);
      }
      save();
      break;
    case device_change::kProfile:
      // Likewise a profile outside 0..4 would index past the five profiles.
      if (value >= 0 && value < kProfileCount) working.Profile = static_cast<int32_t>(value);
      save();
      break;
    case device_change::kLighting: {
      const LightingReport lighting = lightingFromDevice(value);
      working.LedMode = lighting.ledMode;
      working.LedStateOn = lighting.ledStateOn;
      save();
      break;
    }
    default: break;
  }
  view_.refreshAllPages();
}

intptr_t ServiceEvents::request(intptr_t what) {
  switch (what) {
    case service_request::kFactoryDefaults:
      // Not saved: the service follows up with an apply request when it wants them kept.
      ApplyFactoryDefaults(settings_.working(), settings_.working().Profile);
      view_.refreshAllPages();
      return 0;
    case service_request::kApply:
      settings_.save(settingsAppliedNotice());
      return 0;
    case service_request::kOpenHelp: view_.openHelpFile(); return 0;
    case service_request::kIgnoredA:
    case service_request::kIgnoredB: return 0;
    default: return -1;
  }
}

}  // namespace ko
