// CMacroNameMenu: the borderless list of macro names that drops down under a macro-name
// field (the macro page's and the macro chooser's).
//
// How to use it: keep it in a std::unique_ptr, then
//     popup_ = std::make_unique<CMacroNameMenu>(ownerWindow);
//     popup_->SetPosition(x, y);            // screen point: the field's left, bottom
//     popup_->Create(macros, skinFolder);   // skinFolder with its trailing separator
// A click or double click on a row, or Enter or Space on the row the keys lit, posts
// kMacroNameChosenMessage (13332) to the owner with wParam = the row, which is the position
// in the macro list, and lParam 0. The popup never closes itself: the owner resets the
// pointer when it gets the message, on its next command and on a click on its free space.
// The popup never takes the focus, so its owner passes it the keys while it is open
// (OnKey).
// Only one popup exists at a time: creating one destroys any other still open.
#pragma once
#include "macro/macro_list.h"
#include "skin/win/list_box_ex.h"
#include "skin/win/skin_control.h"
#include "skin/win/skin_image.h"

namespace ko {

inline constexpr unsigned kMacroNameChosenMessage = 0x3414;  // 13332
inline constexpr int kMacroNameListId = 4113;
inline constexpr int kMacroNameMenuMaxRows = 20;
inline constexpr int kMacroNameRowHeight = 20;

// Height of the popup for a list of `macroCount` names.
int MacroNameMenuHeight(size_t macroCount);

// What the owner does with a key it passed to the open popup.
enum class NameMenuKey {
  Taken,    // the popup used it
  Close,    // Escape: close the popup, nothing chosen
  NotMine,  // not a key of the popup: close it and let the key do what it does elsewhere
};

class CMacroNameMenu : public SkinControl {
 public:
  explicit CMacroNameMenu(HWND owner) : owner_(owner) {}
  ~CMacroNameMenu() override;

  void SetPosition(int x, int y) {
    x_ = x;
    y_ = y;
  }
  // Makes and shows the popup with the names of `macros`; false when it could not be made.
  bool Create(const MacroList& macros, TextView skinFolder);
  int rows() const { return rows_; }
  CListBoxEx& list() { return list_; }
  // Up, Down, Home, End, Page Up and Page Down light a row (the list's selection, which a
  // screen reader is told of), a letter lights the next name starting with it, Enter and
  // Space choose the lit row as a click would, Escape closes. Shift, Ctrl and Alt alone
  // are taken and do nothing, so Shift+Tab still reaches the owner whole.
  NameMenuKey OnKey(UINT virtualKey);
  // A drop-down list named as the assignment menu's macro item; its list carries the names.
  bool Describe(AccessibleFacts& facts) const override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  void LightRow(int row);

  HWND owner_;
  int x_ = 0, y_ = 0;
  int rows_ = 0;
  int width_ = 0;
  SkinImage background_;
  CListBoxEx list_;
};

}  // namespace ko
