// The performance and lighting commands' channel on the main window: its save-then-notify,
// the single-key polling write on the settings file, its service and its reconnect flag.
#pragma once
#include "app/win/main_window_services.h"
#include "perf/settings_channel.h"
#include "settings/service_events.h"
#include "settings/settings_file.h"

namespace ko {

class WindowSettingsChannel final : public SettingsChannel {
 public:
  explicit WindowSettingsChannel(MainWindowServices& window) : window_(window) {}
  void saveAndNotify(const std::optional<ServiceNotice>& notice) override { window_.saveAndNotify(notice); }
  ServiceWindow& service() override { return window_.service(); }
  void expectReconnect() override { window_.serviceEvents().setReconnectExpected(true); }

 private:
  MainWindowServices& window_;
};

}  // namespace ko
