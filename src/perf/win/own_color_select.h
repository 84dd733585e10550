// COwnColorSelect: the colour picker of the lighting page. A shade square for the chosen
// hue, a hue bar with its thumb, the red, green, blue and hexadecimal fields with plus and
// minus for each channel, and a swatch of the chosen colour. A completed pick is posted to
// the parent as 1303 (colour, 0).
// By keyboard the picker is its four fields: the focus given to the picker goes to the red
// field (the hexadecimal one when it came back with Shift+Tab), Tab and Shift+Tab walk the
// fields, and Up and Down in a channel's field step it as its plus and minus do (Page Up and
// Page Down by 16). Typing in a field picks as it does for the pointer.
#pragma once
#include <array>
#include "perf/colour_picker.h"
#include "platform/wide_text.h"
#include "skin/win/clr_edit.h"
#include "skin/win/gdi_objects.h"
#include "skin/win/skin_image.h"
#include "skin/win/zarvo_custom_control.h"

namespace ko {

inline constexpr UINT kColourPickedMessage = 0x517;

namespace picker_field {
inline constexpr int kRed = 20483;
inline constexpr int kGreen = 20484;
inline constexpr int kBlue = 20485;
inline constexpr int kHex = 20486;
}  // namespace picker_field

class COwnColorSelect : public CZarvoCustomControl {
 public:
  // The pictures "rgb_sel.png", "bar1.png" and "bar2.png" come from `skinFolder`.
  bool Create(HWND parent, const RECT& rect, int id, const Text& skinFolder);
  // Back to the resting state with the stored colour (the page was shown).
  void Reset(uint32_t colour);
  const ColourPicker& state() const { return picker_; }
  // A key while the focus is in the picker; false when it is not the picker's (Tab past
  // the last field, Shift+Tab before the first), so the page moves on.
  bool OnKey(UINT virtualKey, bool shift);

  // The places of the parts below the square, client coordinates.
  static RECT StepButtonRect(int channel, bool plus);
  static RECT FieldRect(int field);  // 0..2 red, green, blue; 3 hexadecimal
  static RECT SwatchRect();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // A group holding the colour's fields; the colour in hexadecimal is its value.
  long accessibleRole() const override;
  Text accessibleValue() const override { return FieldText(3); }

 private:
  void Paint(HDC dc);
  void PaintShadeSquare(HDC dc);
  void PaintStepButton(HDC dc, int button);
  void ShowFields(bool includingHex = true);
  void Repaint();
  void Post();
  void OnPress(int x, int y);
  void OnMove(int x, int y);
  void OnRelease(int x, int y);
  void OnFieldKey(int field);
  int FocusedField() const;
  void FocusField(int field);
  int StepButtonAt(int x, int y) const;
  void SetFieldText(int field, const Text& text);
  Text FieldText(int field) const;

  ColourPicker picker_;
  SkinImage marker_, strip_, slot_;
  std::array<CClrEdit, 4> fields_;
  FontObject labelFont_;
  BitmapObject shade_;  // the square for shadeHue_, drawn pixel by pixel
  uint32_t shadeHue_ = 0xFFFFFFFF;
  int pressedButton_ = -1;  // 0..5: channel * 2 + (plus ? 1 : 0)
  int hoverButton_ = -1;
  bool pressing_ = false;  // a click is giving the picker the focus, not a key
};

}  // namespace ko
