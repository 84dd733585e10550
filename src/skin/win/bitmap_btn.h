// CBitmapBtn: the skinned picture button. Four state pictures cut from the window's full
// pictures, an optional caption, push or two-state behaviour and hover tracking. It takes
// the keyboard focus, shows it with the focus mark, and Space or Enter press it exactly as
// a click does.
#pragma once
#include "platform/wide_text.h"
#include "skin/button_face.h"
#include "skin/caption_layout.h"
#include "skin/win/skin_control.h"
#include "skin/win/skin_image.h"

namespace ko {

class CBitmapBtn : public SkinControl {
 public:
  bool Create(HWND parent, const RECT& rect, int id);

  void SetImages(int x, int y, int width, int height, const SkinImage& normal, const SkinImage& over,
                 const SkinImage& down, const SkinImage& disabled);
  void SetCaption(TextView text, int leftOffset = 0, int direction = 1);
  void SetCheckMode(bool twoState) { checkMode_ = twoState; }
  void SetChecked(bool checked);
  bool IsChecked() const { return checked_; }
  bool IsHovered() const { return hover_; }
  void SetFontHeight(int height) { fontHeight_ = height; }
  void SetTextRectLeftWrapped(const RECT& rect) { SetTextRect(rect, CaptionBox::LeftWrapped); }
  void SetTextRectCentredWrapped(const RECT& rect) { SetTextRect(rect, CaptionBox::CentredWrapped); }
  void SetTextRectCentredSingleLine(const RECT& rect) { SetTextRect(rect, CaptionBox::CentredSingleLine); }

  const Text& caption() const { return caption_; }

  // What a click does: a two-state button turns over, then the parent hears the click.
  void Press();
  // The title a drop-down field is read with, before what it shows ("Trigger: Keyboard");
  // a name the page gives goes before both.
  void SetAccessibleTitle(TextView title) { title_ = Text(title); }
  // The key (Space or Enter) whose press is pressing the button now, 0 for a click: the
  // macro page leaves the key that stopped a recording out of it.
  UINT pressingKey() const { return pressingKey_; }
  // The hover face without the pointer: the item a key walked to in a menu.
  void ShowHighlight(bool on);
  // The role assistive technology hears (ROLE_SYSTEM_*): a push button unless told; a
  // two-state push button reads as a radio button, one of a set of choices.
  void SetAccessibleRole(long role) { role_ = role; }
  bool Describe(AccessibleFacts& facts) const override;
  bool DoDefaultAction() override;

  bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void SetTextRect(const RECT& rect, CaptionBox box);
  void Draw(const DRAWITEMSTRUCT& item);
  void DrawCaption(HDC dc, int width, int height, ButtonFace face);
  void OnMouseMove(WPARAM keys, LPARAM position);
  void SetHover(bool hover);
  const SkinImage& Picture(ButtonFace face) const;

  SkinImage normal_, over_, down_, disabled_;
  Text caption_;
  int leftOffset_ = 0;
  CaptionDirection direction_ = CaptionDirection::Horizontal;
  int fontHeight_ = 15;
  long role_ = 0;
  bool checkMode_ = false;
  UINT pressingKey_ = 0;
  Text title_;
  bool checked_ = false;
  bool hover_ = false;
  RECT textRect_{};
  CaptionBox textBox_ = CaptionBox::None;
};

}  // namespace ko
