// A window that shows nothing of what the service events do, for tests that look at the
// record and the file only.
#pragma once
#include "settings/service_events.h"

namespace ko::test {

class SilentServiceView final : public ServiceEventView {
 public:
  void refreshAllPages() override {}
  void showPage(int) override {}
  void openHelpFile() override {}
};

}  // namespace ko::test
