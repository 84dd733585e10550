// The program's one window: a borderless skinned popup with six pages. It owns the
// settings store, the pages and their controls, the one popup menu and the macro
// library, and turns every click and message into an action of the page it belongs to.
#pragma once
#include <windows.h>
#include <array>
#include <memory>
#include "app/win/hook_library.h"
#include "app/win/main_page.h"
#include "app/win/main_window_services.h"
#include "app/settings_places.h"
#include "perf/slider_report_filter.h"
#include "settings/service_events.h"
#include "skin/win/bmp_menu.h"
#include "skin/win/skin_control.h"

namespace ko {

class MacroLibrary;
class SharedSettingsStrings;
class StartPage;

class CKocfgDlg : public SkinControl, private MainWindowServices, private ServiceEventView {
 public:
  CKocfgDlg();
  ~CKocfgDlg() override;

  // Creates the window and runs it until one of its close commands; IDCANCEL then.
  int DoModal();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Start-up, in the order the window goes through it.
  bool OnCreate();
  void OnInitDialog();
  void OnStartupTimer();
  void OnPrebuildTimer();
  // Builds a page not built yet and sets it from the working record.
  void buildPage(MainPage& page, PageControls::StatePictures when);
  void OnDestroy();
  // The keyboard before any window sees it: the open menu's keys, Tab and the arrow
  // groups, Escape as the page's Back; Enter and Escape never close the window.
  bool PreTranslateMessage(const MSG& message);
  bool OnPageKey(MainPage& page, UINT virtualKey, bool alt);
  bool TabThroughWindowButtons(MainPage& page, bool shift);
  // Gives the shown page's first control (or its own choice) the focus.
  void FocusPage(MainPage& page);
  void EndModal(int result);

  void OnCommand(HWND control);
  void OnPaint();
  void OnLeftButtonDown(LPARAM point);
  LRESULT OnPrivateMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
  // WM_COPYDATA: a command given on a second start's command line (window_command.cpp).
  LRESULT OnHandedCommand(LPARAM copyData);
  MainPage* PageById(int page) const;

  // MainWindowServices
  HWND window() const override { return hwnd(); }
  SettingsStore& settings() override { return *settings_; }
  const Text& macroFolder() const override { return places_.macroFolder; }
  const Text& skinFolder() const override { return skinFolder_; }
  int currentPage() const override { return currentPage_; }
  void showPage(int page) override;
  void refreshAllPages() override;
  void retrySavesLater() override;
  void openPopupMenu(std::unique_ptr<CBmpMenu> menu) override;
  void closePopupMenu() override;
  bool popupMenuOpen() const override { return popupMenu_ != nullptr; }
  MacroLibrary& macros() override;
  const HookLibrary& hook() const override { return hook_; }
  bool confirm(const char16_t* key) override;
  void notice(const char16_t* key) override;

  // ServiceEventView
  void openHelpFile() override;

  SettingsPlaces places_;
  Text skinFolder_;
  Text savedDirectory_;
  std::unique_ptr<SettingsStore> settings_;
  // Saves that did not land (the settings file's, a macro file's) are tried again on a timer.
  int saveRetriesLeft_ = 0;
  bool savesWaiting() const;
  void OnSaveRetryTimer();
  int currentPage_ = 100000;
  std::unique_ptr<CBmpMenu> popupMenu_;
  HICON icon_ = nullptr;  // shared resource icon: not destroyed
  HookLibrary hook_;
  SliderReportFilter sliderReports_;
  // The macro list lives in the settings file, which the service writes all the time.
  std::unique_ptr<SharedSettingsStrings> settingsStrings_;
  std::unique_ptr<MacroLibrary> macros_;
  std::unique_ptr<ServiceEvents> serviceEvents_;
  StartPage* start_ = nullptr;                      // pages_[0]
  std::array<std::unique_ptr<MainPage>, 5> pages_;  // start, buttons, performance, lighting, macros
  // The control that had the focus when the window stopped being active (a dialog, a menu).
  HWND lastFocus_ = nullptr;
  bool running_ = false;
  bool paintedOnce_ = false;       // the first frame ends start-up
  bool startupTimerDone_ = false;  // pages built later set themselves up at once
  int result_ = IDCANCEL;
};

}  // namespace ko
