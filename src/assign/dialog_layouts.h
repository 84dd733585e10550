// The window tables of the assignment's parameter dialogs: rapid fire, XShoot and DPI shift
// (the key capture uses the shared table of "skin_singlekey.ini", settings/single_key_layout.h).
// Each dialog creates only the entries it uses; the skin generator draws them all.
#pragma once
#include "settings/single_key_layout.h"
#include "skin/dialog_entries.h"

namespace ko {

namespace gunfire {
inline constexpr int kOk = dialog_common::kOk, kCancel = dialog_common::kCancel, kClose = dialog_common::kClose;
inline constexpr int kSpeedTitle = 3;
inline constexpr int kSpeedValue = 4;
inline constexpr int kSlowEnd = 5;
inline constexpr int kFastEnd = 6;
inline constexpr int kSpeedSlider = 7;
inline constexpr int kNoLimit = 8;  // the count check box: set = no count
inline constexpr int kCountField = 9;
inline constexpr int kCountText = 10;
inline constexpr int kSecondField = 11;
inline constexpr int kSecondText = 12;
inline constexpr int kSliderId = 10012;
inline constexpr int kCountFieldId = 20482;
inline constexpr int kSecondFieldId = 20481;
}  // namespace gunfire

namespace xshoot {
inline constexpr int kOk = dialog_common::kOk, kCancel = dialog_common::kCancel, kClose = dialog_common::kClose;
inline constexpr int kTriggerField = 3;
inline constexpr int kTriggerDropDown = 4;
inline constexpr int kSecondTitle = 5;
inline constexpr int kSecondField = 6;  // ParamB
inline constexpr int kFirstTitle = 7;
inline constexpr int kFirstField = 8;   // ParamA
inline constexpr int kNoteOne = 9;
inline constexpr int kNoteTwo = 10;
inline constexpr int kTriggerTitle = 11;
inline constexpr int kTriggerFieldId = 1003;
inline constexpr int kSecondFieldId = 1004;
inline constexpr int kFirstFieldId = 1005;
}  // namespace xshoot

namespace dpi_shift {
inline constexpr int kOk = dialog_common::kOk, kCancel = dialog_common::kCancel, kClose = dialog_common::kClose;
inline constexpr int kValueDropDown = 3;
inline constexpr int kTitle = 4;
}  // namespace dpi_shift

const WindowLayout& gunfireDialogLayout();
const WindowLayout& xshootDialogLayout();
const WindowLayout& dpiShiftDialogLayout();

}  // namespace ko
