// CListBoxEx: the owner-drawn list of macro steps and macro names. It draws its lines with
// the skin's colours and icons, highlights the line under the pointer (or the selected
// one), reports clicks with private messages and commits the delay edit its owner opens.
#pragma once
#include "platform/wide_text.h"
#include "skin/button_face.h"
#include "skin/list_rules.h"
#include "skin/win/gdi_objects.h"
#include "skin/win/skin_control.h"

namespace ko {

class CListBoxEx : public SkinControl {
 public:
  CListBoxEx();
  bool Create(HWND parent, const RECT& rect, int id);

  void SetColors(Colour background, Colour highlight);
  void SetTextColors(Colour text, Colour selectedText);
  void SetNotifyWindow(HWND window);
  void SetHighlightMode(int mode) { selectionMode_ = mode == 1; }
  void SetLocked(bool locked) { locked_ = locked; }
  void SetRightClickReportingOff(bool off) { rightClickReportingOff_ = off; }
  void SetTextIndent(bool indent) { indent_ = indent; }
  void SetSecondFont(HFONT font, bool use);  // not owned

  int AddLine(TextView text, int32_t itemData);
  int InsertLine(int index, TextView text, int32_t itemData);
  void Select(int index);
  int Selected() const;
  int Count() const;
  Text LineText(int index) const;
  // A list named by its page, with its lines as items.
  bool Describe(AccessibleFacts& facts) const override;
  int32_t LineData(int index) const;
  int hotLine() const { return hotLine_; }

  // The owner's in-place edits: the delay edit over line `index`, and the edit whose text
  // is inserted at `position` when the focus comes back from it (negative: appended).
  void SetDelayEdit(HWND edit, int index) { delayEdit_ = edit; editedLine_ = edit ? index : -1; }
  HWND delayEdit() const { return delayEdit_; }
  int editedLine() const { return editedLine_; }
  void SetInsertEdit(HWND edit, int position) { insertEdit_ = edit; insertPosition_ = position; }

  bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int LineAt(LPARAM clientPosition) const;
  void Post(const ListNotice& notice);
  // The platform list's own notice to its parent (LBN_...), for lists made with LBS_NOTIFY.
  void NotifyParent(WORD code);
  void CommitDelayEdit();
  void RepaintLine(int index);
  void DrawLine(const DRAWITEMSTRUCT& item);
  void OnMouseMove(LPARAM position);
  void OnLeftDown(LPARAM position);
  // The keys of a focused list, each as the click it stands for on a line: Up and Down
  // press the line above or below, Enter double-clicks the selected line (edits it),
  // Shift+F10 and the context-menu key right-click it. False for other keys.
  bool OnKey(WPARAM virtualKey);
  // The middle of line `index` in client coordinates, scrolled into view first.
  LPARAM LinePoint(int index);
  void OnFocusFromInsertEdit();

  BrushObject background_;
  BrushObject disabledBrush_;
  Colour highlight_ = Rgb(58, 64, 74);
  Colour text_ = Rgb(255, 255, 255);
  Colour selectedText_ = Rgb(255, 225, 0);
  FontObject font_;
  HFONT secondFont_ = nullptr;
  bool useSecondFont_ = false;
  bool indent_ = false;
  bool selectionMode_ = false;
  bool locked_ = false;
  bool rightClickReportingOff_ = true;
  bool leaveArmed_ = false;
  int hotLine_ = -1;
  HWND notifyWindow_ = nullptr;
  HWND delayEdit_ = nullptr;
  int editedLine_ = -1;
  HWND insertEdit_ = nullptr;
  int insertPosition_ = 0;
  BitmapObject pressIcon_, releaseIcon_;
};

// The notify window last given to any list (the macro popup reports there too).
HWND ListNotifyWindow();

}  // namespace ko
