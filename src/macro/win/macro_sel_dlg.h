// CMacroSelDlg: the modal macro chooser of the assignment menu: a name field that drops the
// macro-name popup, three run-mode buttons (exactly one pressed), OK and cancel.
#pragma once
#include <memory>
#include "macro/macro_choice.h"
#include "macro/macro_list.h"
#include "macro/win/macro_name_menu.h"
#include "skin/win/skin_dialog.h"

namespace ko {

class CMacroSelDlg : public SkinDialog {
 public:
  // `initial` decides the shown name and the pressed run mode; the result starts as it.
  CMacroSelDlg(const MacroList& macros, MacroChoice initial);
  ~CMacroSelDlg() override;

  // Valid after OK: the name, its position in the list and the run mode 0..2.
  const MacroChoice& result() const { return result_; }
  bool popupOpen() const { return popup_ != nullptr; }

 protected:
  void OnInitDialog() override;
  void OnControlCommand(int index, int notification) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnReturnKey() override;
  void OnEscapeKey() override;
  // While the name popup is open its keys go to it (it never has the focus).
  bool PreTranslateMessage(MSG& message) override;
  void OnDestroy() override { popup_.reset(); }

 private:
  void ShowRunMode();
  void OpenPopup();

  const MacroList& macros_;
  MacroChoice result_;
  std::unique_ptr<CMacroNameMenu> popup_;
};

}  // namespace ko
