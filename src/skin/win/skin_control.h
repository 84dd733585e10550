// The base of every skinned control and popup: a C++ object bound to one window, whose
// messages it receives first. Platform controls (button, static, edit, list box) are
// subclassed; custom-drawn windows use a registered class that starts on the default
// procedure and are subclassed right after creation. Notifications the platform sends to
// the parent about a control (owner drawing, colours) are handed back to the control by
// ReflectToControl, which every parent window calls first.
#pragma once
#include <windows.h>
#include "skin/win/accessible_facts.h"

namespace ko {

class SkinControl {
 public:
  SkinControl() = default;
  virtual ~SkinControl();
  SkinControl(const SkinControl&) = delete;
  SkinControl& operator=(const SkinControl&) = delete;

  HWND hwnd() const { return hwnd_; }
  void Destroy();
  // The object bound to a window, or nullptr.
  static SkinControl* FromHandle(HWND window);

  // A notification about this control that its parent received; true when handled.
  virtual bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // What the control tells assistive technology; false leaves the window to the system's
  // standard answer. The name a page gives (SetAccessibleName) goes before the control's own.
  virtual bool Describe(AccessibleFacts& facts) const;
  // The action assistive technology asks for (a button's press); false when there is none.
  virtual bool DoDefaultAction() { return false; }
  void SetAccessibleName(TextView name);
  const Text& accessibleName() const { return accessibleName_; }

 protected:
  // Creates a window of a platform class or of RegisterCustomClass and binds it.
  bool CreateControl(const wchar_t* windowClass, const wchar_t* text, DWORD style, DWORD exStyle, const RECT& rect,
                     HWND parent, int id);
  bool Attach(HWND window);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
  WNDPROC original_ = nullptr;
  Text accessibleName_;
};

// While one lives, the controls this thread makes directly on `parent` are created hidden,
// whatever style their class asks for. A page builds its controls hidden and shows them
// with the page; making them visible first and hiding them at once costs Wine a show and a
// hide of every window (about a third of a page's first showing). Windows made on those
// controls (a slider's thumb) keep their own style: they show with their parent.
class CreateHiddenOn {
 public:
  explicit CreateHiddenOn(HWND parent);
  ~CreateHiddenOn();
  CreateHiddenOn(const CreateHiddenOn&) = delete;
  CreateHiddenOn& operator=(const CreateHiddenOn&) = delete;

 private:
  HWND previous_;
};

// A window class for custom-drawn controls and popups (registered once per name).
const wchar_t* RegisterCustomClass(const wchar_t* name, UINT classStyle = CS_DBLCLKS);

// Hands WM_DRAWITEM, WM_MEASUREITEM and the WM_CTLCOLOR* requests to the control they are
// about. Returns true with `result` set when the control answered.
bool ReflectToControl(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

}  // namespace ko
