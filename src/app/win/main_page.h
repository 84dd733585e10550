// One page of the main window: its controls (built from its table), what it shows from
// the working record, and the commands and messages of its controls.
#pragma once
#include <windows.h>
#include <optional>
#include "app/win/main_window_services.h"
#include "skin/win/keyboard_focus.h"
#include "skin/win/page_controls.h"

namespace ko {

class MainPage {
 public:
  explicit MainPage(MainWindowServices& window) : window_(window) {}
  virtual ~MainPage() = default;
  MainPage(const MainPage&) = delete;
  MainPage& operator=(const MainPage&) = delete;

  virtual const WindowLayout& layout() const = 0;
  // Builds the page's controls on the main window, hidden. Pages that make further
  // windows (colour picker, key display) add them here.
  virtual void Build(HWND parent) {
    controls_.Build(parent, layout(), window_.skinFolder(), statePictures_, backgroundInAdvance_);
  }
  // A page is built when it is first needed: the start page at start-up, every other page
  // in an idle moment after the first frame (its windows only: its pictures are decoded
  // when it first shows) or when first shown, if that comes sooner.
  bool built() const { return built_; }
  void BuildOnce(HWND parent, PageControls::StatePictures when = PageControls::StatePictures::Now,
                 PictureInAdvance* background = nullptr) {
    if (built_) return;
    built_ = true;
    statePictures_ = when;
    backgroundInAdvance_ = background;
    Build(parent);
    backgroundInAdvance_ = nullptr;
  }
  // The page became current (true) or stopped being current (false).
  virtual void Show(bool visible) { controls_.ShowPage(visible); }
  // Sets every control again from the working record.
  virtual void Refresh() {}
  // A click on a control of this page; false when `control` is not one of its own.
  virtual bool OnCommand(HWND /*control*/) { return false; }
  // Private messages (sliders, lists, edits, hook events); nothing when not this page's.
  virtual std::optional<LRESULT> OnMessage(UINT, WPARAM, LPARAM) { return std::nullopt; }
  // The open popup menu reported a choice while this page is current.
  virtual void OnMenuChoice(WPARAM, LPARAM) {}
  // A click on the window or any command closes the page's own popups (not the menu).
  virtual void ClosePopups() {}
  // Drawn over the page picture, into the window's off-screen bitmap.
  virtual void PaintOver(HDC) {}
  // Once, soon after start-up (the window's one-shot timer).
  virtual void AfterStart() {}
  // The device service reported a change made on the mouse (after the settings reload).
  virtual void OnDeviceNotice() {}

  // The keyboard: the groups whose arrows choose, the button Escape presses (-1: none) and
  // the control that has the focus when the page shows (-1: the first in reading order).
  virtual std::vector<KeyGroup> keyGroups() const { return {}; }
  virtual int backButton() const { return -1; }
  virtual int firstFocus() const { return -1; }
  // The button a key presses while control `focused` has the focus (-1: none).
  virtual int buttonForKey(UINT /*virtualKey*/, int /*focused*/) const { return -1; }
  // A key before the window's own handling: for a popup of the page's that is open (it
  // never has the focus) or a control of several parts that has the focus (`focused`, -1
  // for none). True when the page used it (and then shows the focus marks if it moved
  // the focus).
  virtual bool OnOwnKey(UINT /*virtualKey*/, bool /*shift*/, int /*focused*/) { return false; }

  PageControls& controls() { return controls_; }
  const SkinImage& background() const { return controls_.background(); }

 protected:
  bool Is(int index, HWND control) const { return control && controls_.handle(index) == control; }

  MainWindowServices& window_;
  PageControls controls_;

 private:
  bool built_ = false;
  PageControls::StatePictures statePictures_ = PageControls::StatePictures::Now;
  PictureInAdvance* backgroundInAdvance_ = nullptr;  // only while Build runs
};

}  // namespace ko
