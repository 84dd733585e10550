// CBaseKeyPressDlg collects key events for a dialog through the key filter in front of its
// message loop; CKeyExDlg, built on it, waits for the one key a mouse button should send
// and, on OK, writes it into the button's record as a single key entry.
#pragma once
#include "assign/key_capture.h"
#include "settings/settings_record.h"
#include "skin/win/skin_dialog.h"
#include "skin/win/zarvo_custom_control.h"

namespace ko {

class CBaseKeyPressDlg : public SkinDialog {
 public:
  const KeyCapture& capture() const { return capture_; }

 protected:
  explicit CBaseKeyPressDlg(const WindowLayout& layout, bool multiKey = false, const char16_t* title = nullptr)
      : SkinDialog(layout, title), capture_(multiKey) {}
  // The key filter: key messages become key events, then go on as usual (Space is
  // consumed so that it cannot press a button).
  bool PreTranslateMessage(MSG& message) override;
  // Enter and Escape are keys to capture like any other: OK and Cancel are reached with
  // Tab (itself captured only as the first key) and pressed with Enter.
  void OnReturnKey() override {}
  void OnEscapeKey() override {}
  // Called after every accepted key event.
  virtual void RefreshDisplay() = 0;

  KeyCapture capture_;
};

class CKeyExDlg : public CBaseKeyPressDlg {
 public:
  // Edits button `buttonIndex` (0..10) of the profile active when the dialog is made: the
  // service may switch profiles while it runs, and the result belongs where the choice began.
  CKeyExDlg(SettingsRecord& working, int buttonIndex);

 protected:
  bool UsesControl(int index) const override;
  void OnInitDialog() override;
  void OnControlCommand(int index, int notification) override;
  void RefreshDisplay() override;

 private:
  ButtonAssignment* Target() const;

  SettingsRecord& working_;
  int profileIndex_;
  int buttonIndex_;
  CZarvoMacroDisplay display_;
};

}  // namespace ko
