// SkinDialog: the base of the small skinned modal dialogs. A popup owned by the main
// window, which stays disabled while the dialog runs its own message loop; it stands at
// (0, 0) with the size of its "Main" picture, paints that picture through an off-screen
// bitmap and builds its controls from its window table and layout file.
#pragma once
#include <windows.h>
#include "platform/wide_text.h"
#include "skin/win/bmp_menu.h"
#include "skin/win/page_controls.h"
#include "skin/win/skin_control.h"
#include "skin/window_layout.h"

namespace ko {

inline constexpr int kDialogOk = 1;
inline constexpr int kDialogCancel = 2;

class SkinDialog : public SkinControl {
 public:
  // `title`: the window title, for dialogs that share a layout (and so a drawn heading);
  // without one the heading serves (see dialogWindowTitle).
  explicit SkinDialog(const WindowLayout& layout, const char16_t* title = nullptr);
  ~SkinDialog() override;

  // Runs the dialog until EndDialog; returns its result (1 OK, 2 cancel), or -1 when the
  // window could not be made. The owner is disabled meanwhile and active again after.
  int DoModal(HWND owner);
  void EndDialog(int result);
  bool IsRunning() const { return running_; }

  // The folder the layout file and pictures come from: the program's skin folder unless
  // set before DoModal.
  void SetSkinFolder(TextView folder) { skinFolder_ = Text(folder); }
  const Text& skinFolder() const { return skinFolder_; }
  PageControls& controls() { return controls_; }
  const WindowLayout& layout() const { return layout_; }

 protected:
  // Which entries of the table this dialog shows; entries of other dialogs sharing the
  // table stay hidden. All by default.
  virtual bool UsesControl(int index) const;
  // After the controls exist and before the window shows.
  virtual void OnInitDialog() {}
  // A command from control `index` of the table (a button click, an edit's notification).
  virtual void OnControlCommand(int index, int notification);
  // Every message of the dialog's loop before it is dispatched; true consumes it. The
  // default walks the controls with Tab and Shift+Tab, leaves Enter to a focused button
  // and otherwise turns Enter and Escape into OnReturnKey and OnEscapeKey.
  virtual bool PreTranslateMessage(MSG& message);
  // By default Enter presses OK and Escape presses Cancel, as their clicks would.
  virtual void OnReturnKey();
  virtual void OnEscapeKey();
  // The dialog's open drop-down menu, which then takes the arrows, letters and a choosing
  // Enter (nullptr: none open).
  virtual CBmpMenu* OpenMenu() { return nullptr; }
  // Messages the base does not handle; true when handled, with `result` set.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Painting after the background, into the off-screen bitmap.
  virtual void PaintOver(HDC) {}
  // Before the window goes away (controls still exist).
  virtual void OnDestroy() {}

  // The table position of a control window of this dialog, -1 for others.
  int IndexOf(HWND control) const { return controls_.indexOf(control); }
  HWND Handle(int index) const { return controls_.handle(index); }
  // The text of an edit or label of the table, and setting it.
  Text ControlText(int index) const;
  void SetControlText(int index, TextView text);
  // Screen point under the bottom-left corner of a control, where its drop-down opens.
  POINT DropDownPoint(int index) const;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool Build();
  void Paint();

  const WindowLayout& layout_;
  Text title_;
  PageControls controls_;
  Text skinFolder_;
  HWND owner_ = nullptr;
  bool running_ = false;
  int result_ = kDialogCancel;
};

}  // namespace ko
