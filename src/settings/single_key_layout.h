// The one table of "skin_singlekey.ini": key capture, delay editing and profile rename share
// its pictures and layout file, so their controls stand where the others' do. Each dialog
// creates only the entries it uses; the skin generator draws them all. It sits on the
// lowest floor of the three subsystems that open such a dialog.
#pragma once
#include "skin/dialog_entries.h"

namespace ko {

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

const WindowLayout& singleKeyDialogLayout();

}  // namespace ko
