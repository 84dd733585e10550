// CEditDelay: the value popup of the macro page, for a delay in milliseconds or a cursor
// move's displacement. The field takes digits only and keeps its value within 1..maximum.
#pragma once
#include <optional>
#include "macro/macro_editor.h"
#include "skin/win/skin_dialog.h"

namespace ko {

class CEditDelay : public SkinDialog {
 public:
  static constexpr int32_t kDefaultMaximum = 131070;

  CEditDelay();
  void SetCaption(TextView caption) { caption_ = Text(caption); }
  void SetValue(int32_t value) { value_ = value; }
  void SetMaximum(int32_t maximum) { maximum_ = maximum; }
  // Runs the popup; the value after OK, nothing after Cancel or the close button.
  std::optional<int32_t> Ask(HWND owner);

 protected:
  bool UsesControl(int index) const override;
  void OnInitDialog() override;
  void OnControlCommand(int index, int notification) override;

 private:
  void KeepFieldInRange();

  Text caption_;
  int32_t value_ = 1;
  int32_t maximum_ = kDefaultMaximum;
};

}  // namespace ko
