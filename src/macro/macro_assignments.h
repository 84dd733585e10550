// Buttons that play a macro name it by its position in the macro list. Adding, importing
// or deleting a macro can move the names behind it to other positions; these buttons are
// then pointed at the position their macro has now, so that no button starts playing a
// different macro. A button whose macro is gone is switched off.
#pragma once
#include "settings/function_catalogue.h"
#include "macro/macro_list.h"
#include <vector>
#include "settings/settings_record.h"

namespace ko {

// ParamB of a macro assignment: the list position in the low six bits, the play mode above.
inline constexpr uint8_t kMacroPositionMask = 0x3F;

// Rewrites the macro assignments of all five profiles from the list as it was (`before`)
// to the list as it is (`after`). True when any assignment changed.
bool RemapMacroAssignments(SettingsRecord& record, const MacroList& before, const MacroList& after);

// A button of a profile, as the device service's assignment notice names it.
struct ButtonOfProfile {
  int profile;
  int button;
  friend bool operator==(const ButtonOfProfile& a, const ButtonOfProfile& b) {
    return a.profile == b.profile && a.button == b.button;
  }
};

// After the macro `oldName` was renamed to `newName`: every button of every profile that
// played it (its position in `before` held `oldName`) names `newName` at its position in
// `after`. Returns the buttons that changed, for the caller to save and announce.
std::vector<ButtonOfProfile> RenameMacroAssignments(SettingsRecord& record, const MacroList& before,
                                                    const MacroList& after, TextView oldName, TextView newName);

}  // namespace ko
