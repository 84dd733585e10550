// The window tables of the small skinned dialogs: the one table of "skin_singlekey.ini"
// (key capture, delay editing and profile rename share its pictures and layout file, so
// their controls stand where the others' do), rapid fire, XShoot and DPI shift. Each
// dialog creates only the entries it uses; the skin generator draws them all.
#pragma once
#include "skin/window_layout.h"

namespace ko {

inline constexpr int kDialogWidth = 400;
inline constexpr int kDialogHeight = 290;

// Positions every dialog shares: OK, Cancel and the close button.
namespace dialog_common {
inline constexpr int kOk = 0;
inline constexpr int kCancel = 1;
inline constexpr int kClose = 2;
}  // namespace dialog_common

namespace single_key {
inline constexpr int kOk = dialog_common::kOk;        // "BUTTONPOS" 1
inline constexpr int kCancel = dialog_common::kCancel;  // "BUTTONPOS" 2
inline constexpr int kClose = dialog_common::kClose;
inline constexpr int kKeyDisplay = 3;    // key capture: the captured key (72, 128, 150, 143)
inline constexpr int kKeyPrompt = 4;     // key capture: what to do ("BUTTONPOS" 3)
inline constexpr int kDelayField = 5;    // delay editing: the number, same place as the key display
inline constexpr int kDelayCaption = 6;  // delay editing: the caller's caption above it
inline constexpr int kNameField = 7;     // profile rename: the name
inline constexpr int kControlCount = 8;
inline constexpr int kDelayFieldId = 1001;
inline constexpr int kNameFieldId = 1002;
}  // namespace single_key

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

const WindowLayout& singleKeyDialogLayout();
const WindowLayout& gunfireDialogLayout();
const WindowLayout& xshootDialogLayout();
const WindowLayout& dpiShiftDialogLayout();

}  // namespace ko
