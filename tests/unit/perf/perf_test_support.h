// The performance and lighting commands on a settings file of their own, beside a
// recording device service, with every message's snapshot of the file at delivery.
#pragma once
#include <cstring>
#include "settings/settings_file.h"
#include "support/store_on_disk.h"

namespace ko::test {

// The store with a working record as after start-up: factory values in profile 0.
class PerfSettings final : public StoreOnDisk {
 public:
  PerfSettings() {
    std::memset(&working, 0, sizeof(SettingsRecord));
    ResetSettings(working);
    working.Profile = 0;
    ApplyFactoryDefaults(working, 0);
  }
};

}  // namespace ko::test
