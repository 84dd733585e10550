// CStaticTrans: a text label drawn over the window's picture (transparent by default) or
// on a solid colour.
#pragma once
#include "platform/wide_text.h"
#include "skin/button_face.h"
#include "skin/win/gdi_objects.h"
#include "skin/win/skin_control.h"

namespace ko {

inline constexpr Colour kTransparent = 0xFFFFFFFFu;

class CStaticTrans : public SkinControl {
 public:
  bool Create(HWND parent, const RECT& rect, TextView text = u"");

  void SetText(TextView text);
  void SetTextColour(Colour colour) { textColour_ = colour; Repaint(); }
  void SetBackgroundColour(Colour colour) { backgroundColour_ = colour; Repaint(); }
  void SetFont(int height, int weight = 400, bool italic = false);

  bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool Describe(AccessibleFacts& facts) const override;

 private:
  void Repaint();
  Colour textColour_ = Rgb(255, 255, 255);
  Colour backgroundColour_ = kTransparent;
  BrushObject brush_;
  FontObject font_;
  int fontHeight_ = 15, fontWeight_ = 400;
  bool italic_ = false;
};

}  // namespace ko
