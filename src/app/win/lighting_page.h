// The lighting page: on and off, the colour picker, the effect mode and direction, the
// level and the effect parameter. The rules are LightingCommands'; the page shows what
// they say and opens the mode and direction menus.
#pragma once
#include <memory>
#include "app/win/main_page.h"
#include "perf/lighting_commands.h"
#include "perf/win/own_color_select.h"

namespace ko {

class LightingPage : public MainPage, private LightingView {
 public:
  explicit LightingPage(MainWindowServices& window);
  const WindowLayout& layout() const override;
  void Build(HWND parent) override;
  void Show(bool visible) override;
  void Refresh() override;
  bool OnCommand(HWND control) override;
  std::vector<KeyGroup> keyGroups() const override;
  bool OnOwnKey(UINT virtualKey, bool shift, int focused) override;
  int backButton() const override;
  std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnMenuChoice(WPARAM wParam, LPARAM lParam) override;

  COwnColorSelect& picker() { return picker_; }

 private:
  // LightingView
  void showLightOn(bool on) override;
  void showModeCaption(const Text& caption) override;
  void enableDirection(bool enabled) override;
  void showDirectionCaption(const Text& caption) override;
  void showEffect(bool on, int32_t param) override;
  void showLevel(int32_t level, const Text& text) override;

  void OpenMenu(int anchorIndex, const std::vector<LightingMenuEntry>& entries, const char16_t* normalPicture);
  void ResetPicker();

  std::unique_ptr<LightingCommands> commands_;
  COwnColorSelect picker_;
};

}  // namespace ko
