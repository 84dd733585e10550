#include "app/win/kocfg_dlg.h"

#include <cstring>

#include "app/main_window_layouts.h"
#include "app/settings_session.h"
#include "app/win/button_page.h"
#include "app/win/lighting_page.h"
#include "app/win/macro_page.h"
#include "app/win/module_path.h"
#include "app/win/performance_page.h"
#include "app/win/roaming_folder.h"
#include "app/win/shell_actions.h"
#include "app/win/start_page.h"
#include "platform/timing_trace.h"
#include "macro/macro_library.h"
#include "platform/file_system.h"
#include "settings/service_link.h"
#include "settings/settings_file.h"
#include "settings/shared_settings_strings.h"
#include "skin/skin_files.h"
#include "skin/win/focus_mark.h"
#include "skin/win/gdi_objects.h"
#include "skin/win/keyboard_focus.h"
#include "skin/win/png_hslider.h"
#include "skin/win/skinned_paint.h"
#include "text/interface_text.h"

namespace ko {

namespace {

const wchar_t kWindowClass[] = L"KocfgMainWindow";
constexpr UINT_PTR kStartupTimer = 10002;
// After the first frame the other pages' windows are made, one page a tick, so that a
// page's first showing costs only its pictures. Creating a window is the dearest part of
// building a page under Wine.
constexpr UINT_PTR kPrebuildTimer = 10003;
constexpr UINT kPrebuildIntervalMs = 40;
// A save that did not land (the file held by another program for long, a full disk) is
// tried again this often, this many times; its notices wait for it.
constexpr UINT_PTR kSaveRetryTimer = 10004;
constexpr UINT kSaveRetryIntervalMs = 500;
constexpr int kSaveRetries = 20;
constexpr int kIconResource = 128;
constexpr DWORD kSavedDirectoryUnits = 520;
constexpr DWORD kUnreadableSettingsPatienceMs = 3000;

const wchar_t* W(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

}  // namespace

CKocfgDlg::CKocfgDlg() {
  icon_ = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconResource));
  if (!icon_) icon_ = LoadIconW(nullptr, IDI_APPLICATION);
  MainWindowServices& services = *this;
  pages_[0] = std::make_unique<StartPage>(services);
  pages_[1] = std::make_unique<ButtonPage>(services);
  pages_[2] = std::make_unique<PerformancePage>(services);
  pages_[3] = std::make_unique<LightingPage>(services);
  pages_[4] = std::make_unique<MacroPage>(services);
  start_ = static_cast<StartPage*>(pages_[0].get());
}

CKocfgDlg::~CKocfgDlg() {
  popupMenu_.reset();
  Destroy();
}

int CKocfgDlg::DoModal() {
  // Created hidden: the window is sized from its picture and titled before it shows.
  HWND window = CreateWindowExW(WS_EX_APPWINDOW, RegisterCustomClass(kWindowClass, CS_DBLCLKS), L"",
                                WS_POPUP | WS_SYSMENU, 0, 0, kMainWindowWidth, kMainWindowHeight, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  if (!window || !Attach(window)) return -1;
  if (!OnCreate()) {
    DestroyWindow(window);
    return -1;
  }
  OnInitDialog();
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  if (lastFocus_) SetFocus(lastFocus_);
  UpdateWindow(hwnd());

  running_ = true;
  MSG message;
  while (running_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // A quit request from elsewhere ends the window as a close would.
      if (running_) EndModal(IDCANCEL);
      break;
    }
    if (PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return result_;
}

bool CKocfgDlg::PreTranslateMessage(const MSG& message) {
  const bool keyDown = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
  const bool ours = message.hwnd == hwnd() || IsChild(hwnd(), message.hwnd);
  const UINT key = static_cast<UINT>(message.wParam);
  if (keyDown && popupMenu_) {
    // The menu is walked from the keyboard wherever the focus stands meanwhile.
    ShowFocusMarks();
    if (popupMenu_->OnKey(key) == MenuKeyResult::Close) closePopupMenu();
    return true;
  }
  if (!ours) return false;
  if (!keyDown) return (message.message == WM_CHAR || message.message == WM_KEYUP) && key == VK_ESCAPE;
  MainPage* page = PageById(currentPage_);
  if (page && page->OnOwnKey(key, GetKeyState(VK_SHIFT) < 0, FocusedControl(page->controls()))) return true;
  if (page && OnPageKey(*page, key, message.message == WM_SYSKEYDOWN)) return true;
  // Enter goes to a focused control, never to the window itself.
  return (key == VK_RETURN && message.hwnd == hwnd()) || key == VK_ESCAPE;
}

bool CKocfgDlg::OnPageKey(MainPage& page, UINT key, bool alt) {
  PageControls& controls = page.controls();
  const int focused = FocusedControl(controls);
  // Alt+Down opens a drop-down field's menu, as Enter does.
  const bool dropDown = alt && key == VK_DOWN && focused >= 0 && controls.button(focused) &&
                        std::strcmp(controls.layout().controls[focused].glyph, "arrow-down") == 0;
  const int button = key == VK_ESCAPE ? page.backButton()
                     : dropDown       ? focused
                     : alt            ? -1
                                      : page.buttonForKey(key, focused);
  if (key == VK_ESCAPE || button >= 0) {
    ShowFocusMarks();
    if (CBitmapBtn* pressed = button >= 0 ? controls.button(button) : nullptr) pressed->Press();
    return true;
  }
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  if (key == VK_TAB && !alt && TabThroughWindowButtons(page, shift)) return true;
  return !alt && MoveFocusByKey(controls, page.keyGroups(), key, shift);
}

// The window's minimise and close buttons belong to the start page but stand on every
// page: on the others Tab reaches them after the page's last control and Shift+Tab before
// its first, so the window can be closed from any page without a pointer.
bool CKocfgDlg::TabThroughWindowButtons(MainPage& page, bool shift) {
  if (&page == start_) return false;
  const HWND buttons[2] = {start_->minimiseButton(), start_->closeButton()};
  const HWND focus = GetFocus();
  const int at = focus == buttons[0] ? 0 : focus == buttons[1] ? 1 : -1;
  PageControls& controls = page.controls();
  if (at < 0 && !TabWouldWrap(controls, shift)) return false;
  ShowFocusMarks();
  const int next = at < 0 ? (shift ? 1 : 0) : at + (shift ? -1 : 1);
  if (next == 0 || next == 1) {
    SetFocus(buttons[next]);
    return true;
  }
  const int target = shift ? LastFocusable(controls) : FirstFocusable(controls);
  if (target >= 0) FocusControl(controls, target);
  return true;
}

void CKocfgDlg::FocusPage(MainPage& page) {
  PageControls& controls = page.controls();
  const int first = page.firstFocus() >= 0 ? page.firstFocus() : FirstFocusable(controls);
  if (first < 0 || !FocusControl(controls, first)) SetFocus(hwnd());
}

void CKocfgDlg::EndModal(int result) {
  result_ = result;
  if (!running_) return;
  running_ = false;
  if (hwnd()) DestroyWindow(hwnd());
  // A close that arrives as a message sent from another program is handled inside
  // GetMessage, which then goes on waiting; a posted message lets the loop see the end.
  PostMessageW(nullptr, WM_NULL, 0, 0);
}

bool CKocfgDlg::OnCreate() {
  // However deep the program is installed it runs with what it finds: a folder too long
  // for the program folder buffer is reached through its short form, or not at all.
  SetProgramFolderFromModulePath(ExecutablePath(), ShortPathOf);
  const Text programFolder(ProgramFolder());

  wchar_t current[kSavedDirectoryUnits + 1] = {};
  const DWORD currentLength = GetCurrentDirectoryW(kSavedDirectoryUnits, current);
  if (currentLength > 0 && currentLength < kSavedDirectoryUnits)
    savedDirectory_ = reinterpret_cast<const char16_t*>(current);
  SetCurrentDirectoryW(W(programFolder));

  const Text languageFile = LanguageFilePath(programFolder);
  SetLanguageFile(languageFile);
  LoadFaceName(languageFile);
  trace::Mark("language file read");

  skinFolder_ = SkinFolder(programFolder);
  // The first frame shows the start page's background and the faces cut from it; its
  // other pictures are decoded when the pointer first comes over the window. The
  // background is decoded on another thread meanwhile the page's controls are made.
  PictureInAdvance startBackground(PageControls::BackgroundPath(start_->layout(), skinFolder_));

  start_->BuildOnce(hwnd(), PageControls::StatePictures::Later, &startBackground);
  trace::Mark("start page built");
  // The window takes the size of the start page's picture. Without one (a damaged skin
  // folder) it keeps the pages' size: a window of no size could not even be closed.
  const SkinImage& main = start_->background();
  const int width = main.empty() ? kMainWindowWidth : main.width();
  const int height = main.empty() ? kMainWindowHeight : main.height();
  SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);

  hook_.Load(programFolder);
  hook_.Install(hwnd());
  hook_.Enable(0);
  SetTimer(hwnd(), kStartupTimer, 1, nullptr);
  trace::Mark("hook library loaded");
  return true;
}

void CKocfgDlg::OnInitDialog() {
  SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  places_ = settingsPlacesBelow(RoamingFolder());
  settings_ = std::make_unique<SettingsStore>(places_.settingsFile);
  settings_->onSaved([this](bool) { retrySavesLater(); });
  ServiceEventView& view = *this;
  serviceEvents_ = std::make_unique<ServiceEvents>(*settings_, view);
  // The service may hold the file for a moment; give it a few seconds before running on
  // factory values (without writing them over a file that could not be read).
  const DWORD waitUntil = GetTickCount() + kUnreadableSettingsPatienceMs;
  openUserSettings(places_, *settings_, [waitUntil] {
    if (static_cast<LONG>(GetTickCount() - waitUntil) >= 0) return false;
    Sleep(50);
    return true;
  });
  trace::Mark("settings reloaded");
  SetWindowTextW(hwnd(), reinterpret_cast<const wchar_t*>(kMainWindowTitle));

  currentPage_ = 0;  // so that the start page is shown, not skipped as already current
  showPage(page_id::kStart);
  settingsStrings_ = std::make_unique<SharedSettingsStrings>(*settings_);
  refreshAllPages();
  trace::Mark("pages refreshed");
  SetWindowLongPtrW(hwnd(), GWL_STYLE, GetWindowLongPtrW(hwnd(), GWL_STYLE) | WS_MINIMIZEBOX);
  lastFocus_ = start_->controls().handle(start_->firstFocus());
}

MacroLibrary& CKocfgDlg::macros() {
  // The macro list and the first macro are read when something first asks for them: the
  // start page shows neither.
  if (!macros_) {
    macros_ = std::make_unique<MacroLibrary>(
        MacroPlaces{places_.settingsFile, places_.macroFolder, Text(ProgramFolder())}, interfaceTextLookup(),
        *settingsStrings_);
    macros_->start();
  }
  return *macros_;
}

void CKocfgDlg::OnStartupTimer() {
  KillTimer(hwnd(), kStartupTimer);
  startupTimerDone_ = true;
  for (auto& page : pages_)
    if (page->built()) page->AfterStart();
  SetTimer(hwnd(), kPrebuildTimer, kPrebuildIntervalMs, nullptr);
}

void CKocfgDlg::OnPrebuildTimer() {
  for (auto& page : pages_) {
    if (page->built()) continue;
    buildPage(*page, PageControls::StatePictures::WhenShown);
    return;
  }
  KillTimer(hwnd(), kPrebuildTimer);
  trace::Mark("other pages built");
}

void CKocfgDlg::buildPage(MainPage& page, PageControls::StatePictures when) {
  page.BuildOnce(hwnd(), when);
  page.Refresh();
  if (startupTimerDone_) page.AfterStart();
}

void CKocfgDlg::OnDestroy() {
  hook_.Enable(0);
  hook_.Remove();
  popupMenu_.reset();
  if (!savedDirectory_.empty()) SetCurrentDirectoryW(W(savedDirectory_));
  running_ = false;
}

MainPage* CKocfgDlg::PageById(int page) const {
  switch (page) {
    case page_id::kStart: return pages_[0].get();
    case page_id::kButtons: return pages_[1].get();
    case page_id::kPerformance: return pages_[2].get();
    case page_id::kLighting: return pages_[3].get();
    case page_id::kMacros: return pages_[4].get();
    default: return nullptr;
  }
}

void CKocfgDlg::showPage(int page) {
  if (page == currentPage_) return;
  sliderReports_.forget();
  if (MainPage* old = PageById(currentPage_)) old->Show(false);
  currentPage_ = page;
  if (MainPage* shown = PageById(page)) {
    trace::Describe(shown->layout().name);
    if (!shown->built()) buildPage(*shown, PageControls::StatePictures::Now);
    shown->Show(true);
    if (GetActiveWindow() == hwnd()) FocusPage(*shown);
  }
  start_->ShowFrame();
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void CKocfgDlg::refreshAllPages() {
  for (auto& page : pages_)
    if (page->built()) page->Refresh();
  InvalidateRect(hwnd(), nullptr, FALSE);
}

bool CKocfgDlg::savesWaiting() const {
  return (settings_ && settings_->waiting()) || (macros_ && macros_->hasLeftOvers());
}

void CKocfgDlg::retrySavesLater() {
  if (!savesWaiting()) {
    KillTimer(hwnd(), kSaveRetryTimer);
    return;
  }
  saveRetriesLeft_ = kSaveRetries;
  SetTimer(hwnd(), kSaveRetryTimer, kSaveRetryIntervalMs, nullptr);
}

void CKocfgDlg::OnSaveRetryTimer() {
  settings_->retry();
  // A macro file is read by the service when told: the notice follows the landed save.
  if (macros_)
    for (int slot : macros_->saveLeftOvers()) settings_->announce(macroChangedNotice(slot));
  if (!savesWaiting() || --saveRetriesLeft_ <= 0) KillTimer(hwnd(), kSaveRetryTimer);
}

void CKocfgDlg::openPopupMenu(std::unique_ptr<CBmpMenu> menu) {
  popupMenu_.reset();
  if (menu && menu->Create()) popupMenu_ = std::move(menu);
}

void CKocfgDlg::closePopupMenu() { popupMenu_.reset(); }

bool CKocfgDlg::confirm(const char16_t* key) {
  const Text text = InterfaceText(key);
  return MessageBoxW(hwnd(), W(text), L"Warning", MB_OKCANCEL) == IDOK;
}

void CKocfgDlg::notice(const char16_t* key) {
  const Text text = InterfaceText(key);
  MessageBoxW(hwnd(), W(text), L"Warning", MB_OK);
}

void CKocfgDlg::openHelpFile() { OpenHelpFile(); }

void CKocfgDlg::OnCommand(HWND control) {
  closePopupMenu();
  trace::Action("click");
  sliderReports_.forget();
  for (auto& page : pages_)
    if (page->built()) page->ClosePopups();
  if (!control) {
    // The window system's close request comes without a control.
    EndModal(IDCANCEL);
    return;
  }
  if (control == start_->closeButton()) {
    EndModal(IDCANCEL);
    return;
  }
  if (control == start_->minimiseButton()) {
    SendMessageW(hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    return;
  }
  for (auto& page : pages_)
    if (page->built() && page->OnCommand(control)) return;
}

void CKocfgDlg::OnLeftButtonDown(LPARAM point) {
  closePopupMenu();
  for (auto& page : pages_)
    if (page->built()) page->ClosePopups();
  // Any free spot of the window drags it, as a caption would.
  PostMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, point);
}

void CKocfgDlg::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  RECT client;
  GetClientRect(hwnd(), &client);
  if (IsIconic(hwnd())) {
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_);
  } else if (MainPage* page = PageById(currentPage_)) {
    PaintSkinnedPart(dc, ps.rcPaint, client, page->background(), [page](HDC canvas) { page->PaintOver(canvas); });
  } else {
    PaintSkinnedPart(dc, ps.rcPaint, client, SkinImage(), nullptr);
  }
  EndPaint(hwnd(), &ps);
  if (!paintedOnce_) {
    paintedOnce_ = true;
    trace::Mark("first frame painted");
  }
  trace::Painted("main window");
}

LRESULT CKocfgDlg::OnPrivateMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
  handled = true;
  if (message == kMenuChoiceMessage) {
    closePopupMenu();
    // Timed from here: the menu's closing waits on the display, not on the program.
    trace::Action("menu choice");
    if (MainPage* page = PageById(currentPage_)) page->OnMenuChoice(wParam, lParam);
    return 0;
  }
  if (message == kSliderValueMessage) {
    if (sliderReports_.isRepeat(static_cast<int>(wParam), static_cast<int>(lParam))) return 0;
  }
  if (serviceEvents_) {
    if (auto result = serviceEvents_->handle(message, wParam, lParam)) {
      sliderReports_.forget();
      if (message == from_service::kDeviceChanged) {
        for (auto& page : pages_)
          if (page->built()) page->OnDeviceNotice();
        // Without the macro page nothing shows the open macro: the macros are read anew
        // when next asked for.
        if (!PageById(page_id::kMacros)->built() && !(macros_ && macros_->hasLeftOvers())) macros_.reset();
      }
      return *result;
    }
  }
  for (auto& page : pages_) {
    if (!page->built()) continue;
    if (auto result = page->OnMessage(message, wParam, lParam)) return *result;
  }
  handled = false;
  return 0;
}

LRESULT CKocfgDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT reflected = 0;
  if (ReflectToControl(hwnd(), message, wParam, lParam, &reflected)) return reflected;
  switch (message) {
    case WM_ERASEBKGND: return TRUE;
    case WM_PAINT: OnPaint(); return 0;
    case WM_QUERYDRAGICON: return reinterpret_cast<LRESULT>(icon_);
    case WM_LBUTTONDOWN: OnLeftButtonDown(lParam); return 0;
    case WM_SETCURSOR:
      // The start page's hover and pressed faces are first needed when the pointer comes
      // over the window; start-up does without them.
      start_->controls().CompleteStatePictures();
      return Default(message, wParam, lParam);
    case WM_TIMER:
      if (wParam == kStartupTimer) {
        OnStartupTimer();
        return 0;
      }
      if (wParam == kPrebuildTimer) {
        OnPrebuildTimer();
        return 0;
      }
      if (wParam == kSaveRetryTimer) {
        OnSaveRetryTimer();
        return 0;
      }
      return Default(message, wParam, lParam);
    case WM_COMMAND: OnCommand(reinterpret_cast<HWND>(lParam)); return 0;
    case WM_COPYDATA: return OnHandedCommand(lParam);
    case WM_ACTIVATEAPP:
      // Another program came to the front: close the popups, as the platform's menus close.
      if (!wParam) {
        closePopupMenu();
        for (auto& page : pages_)
          if (page->built()) page->ClosePopups();
      }
      return Default(message, wParam, lParam);
    case WM_ACTIVATE:
      // A dialog or a menu took the activation: the focus comes back to where it was.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
        return Default(message, wParam, lParam);
      }
      if (lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_) && IsWindowEnabled(lastFocus_)) {
        SetFocus(lastFocus_);
        return 0;
      }
      return Default(message, wParam, lParam);
    case WM_CLOSE: EndModal(IDCANCEL); return 0;
    case WM_DESTROY:
      OnDestroy();
      return Default(message, wParam, lParam);
    default: break;
  }
  if (message >= WM_USER) {
    bool handled = false;
    const LRESULT result = OnPrivateMessage(message, wParam, lParam, handled);
    if (handled) return result;
  }
  return Default(message, wParam, lParam);
}

}  // namespace ko
