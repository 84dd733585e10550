// CClrEdit: an edit field in the skin's colours with its own font; every key release is
// reported to the parent.
#pragma once
#include "skin/button_face.h"
#include "skin/win/gdi_objects.h"
#include "skin/win/skin_control.h"

namespace ko {

inline constexpr UINT kEditKeyMessage = 0x1402;
inline constexpr UINT_PTR kEditTimerId = 0x1111;

class CClrEdit : public SkinControl {
 public:
  CClrEdit();
  bool Create(HWND parent, const RECT& rect, int id, DWORD style = 0);

  void SetTextColour(Colour colour) { textColour_ = colour; Repaint(); }
  void SetBackgroundColour(Colour colour) { backgroundColour_ = colour; Repaint(); }

  bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // An editable text named by its page, its text as the value.
  bool Describe(AccessibleFacts& facts) const override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Repaint();
  Colour textColour_ = Rgb(255, 255, 0);
  Colour backgroundColour_ = Rgb(0, 0, 0);
  BrushObject brush_;
  FontObject font_;
};

}  // namespace ko
