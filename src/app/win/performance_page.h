// The performance page: the six DPI stages and their level sliders, acceleration, the
// polling rate and the pointer values. The rules are PerformanceCommands'; the page shows
// what they say on its controls.
#pragma once
#include <memory>
#include "app/win/main_page.h"
#include "perf/performance_commands.h"

namespace ko {

class PerformancePage : public MainPage, private PerformanceView {
 public:
  explicit PerformancePage(MainWindowServices& window);
  const WindowLayout& layout() const override;
  void Build(HWND parent) override;
  void Refresh() override;
  bool OnCommand(HWND control) override;
  std::vector<KeyGroup> keyGroups() const override;
  int backButton() const override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The stage button `stage` (0..5), also for the command line; the page must be built.
  void ChooseStage(int stage);

 private:
  // Names for assistive technology where a caption alone does not say what a control is.
  void NameControls();
  // PerformanceView
  void showStageCaption(int stage, const Text& caption) override;
  void showActiveStage(int32_t stage) override;
  void showSeparateAxes(bool on) override;
  void setSlider(int sliderId, int32_t position) override;
  void showAxisSliders(bool axes) override;
  void showAccelerationEnabled(bool on) override;
  void showPollingRate(int32_t rate) override;
  void showPointerValue(PointerValue which, const Text& text) override;

  std::unique_ptr<PerformanceCommands> commands_;
};

}  // namespace ko
