#include "assign/assignment_choice.h"

#include <algorithm>
#include "assign/assignment_menu.h"
#include "settings/function_catalogue.h"
#include "macro/macro_file.h"
#include "macro/macro_paths.h"
#include "settings/settings_file.h"

namespace ko {
namespace {

constexpr uint8_t kRunModeOnceOrHeld = 0x40;  // run modes 0 and 1
constexpr uint8_t kRunModeToggle = 0x80;      // run mode 2
constexpr uint8_t kMacroPositionBits = 0x3F;
constexpr uint8_t kHeldMacroButtonNumber = 255;
constexpr int32_t kDefaultLoopTime = 1;

bool isSubMenu(int top) {
  namespace id = assignment_menu_id;
  return top == id::kAdvanced || top == id::kShift || top == id::kBasic || top == id::kMedia ||
         top == id::kAdditional;
}

// The loop count the device plays the macro with, from its file. The file keeps what the
// loop field took (0..255); a hand-edited value outside a byte is held at its end rather
// than wrapped into an unrelated count.
uint8_t macroLoopCount(TextView macroFolder, TextView name, ProfileStrings& strings) {
  // A listed name that is no plain file name has no file of its own: nothing is read for it.
  if (!isUsableMacroName(name, macroFolder)) return static_cast<uint8_t>(kDefaultLoopTime);
  const int32_t loop = ReadMacroLoopTime(macroFilePath(macroFolder, name), kDefaultLoopTime, strings);
  return static_cast<uint8_t>(std::clamp<int32_t>(loop, 0, 255));
}

// The macro branch; the record changes only on OK with a macro the profile may still add.
ChoiceOutcome chooseMacro(AssignmentChoiceHost& host, ButtonAssignment& assignment, int button,
                          ProfileStrings& strings) {
  const MacroList& macros = host.macroList();
  if (macros.empty()) {
    host.showMacroPage();
    return ChoiceOutcome::SentToMacros;
  }
  const std::optional<MacroChoice> chosen = host.runMacroChooser(InitialMacroChoice(assignment, macros));
  if (!chosen || chosen->position < 0 || static_cast<size_t>(chosen->position) >= macros.size())
    return ChoiceOutcome::Cancelled;

  // The name at the position is the one stored; the limit is about it.
  const Text& name = macros.at(static_cast<size_t>(chosen->position));
  const AssignedMacroNames& assigned = host.assignedMacros();
  if (assignment.FunctionCode != function_code::kMacro && assigned.size() >= kMaxMacrosPerProfile &&
      !assigned.contains(name))
    return ChoiceOutcome::MacroLimit;

  const int runMode = std::clamp(chosen->runMode, 0, 2);
  assignment.FunctionCode = function_code::kMacro;
  assignment.ParamB = static_cast<uint8_t>(chosen->position & kMacroPositionBits);
  assignment.ParamB |= runMode == 2 ? kRunModeToggle : kRunModeOnceOrHeld;
  assignment.ParamA = macroLoopCount(host.macroFolder(), name, strings);
  assignment.ButtonNumber = runMode == 1 ? kHeldMacroButtonNumber : static_cast<uint8_t>(button + 1);
  // Stored here, not left to the label refresh: that refresh covers the active profile
  // only, and the service may have switched profiles while the chooser was open.
  copyToBuffer(name, assignment.MacroName, kMacroNameUnits);
  return ChoiceOutcome::Changed;
}

ChoiceOutcome chooseFromSubMenu(AssignmentChoiceHost& host, ButtonAssignment& assignment, int button, int sub) {
  namespace id = assignment_menu_id;
  switch (sub) {
    case id::kKeyCapture:
      // The dialog has written the key entries already; OK without a key still makes the
      // button a key button.
      if (!host.runKeyCapture(button)) return ChoiceOutcome::Cancelled;
      assignment.FunctionCode = static_cast<uint8_t>(sub);
      return ChoiceOutcome::Changed;
    case id::kRapidFire:
      if (!host.runRapidFire(button)) return ChoiceOutcome::Cancelled;
      assignment.FunctionCode = static_cast<uint8_t>(sub);
      return ChoiceOutcome::Changed;
    case id::kXShoot:
      if (!host.runXShoot(button)) return ChoiceOutcome::Cancelled;
      assignment.FunctionCode = static_cast<uint8_t>(sub);
      return ChoiceOutcome::Changed;
    case id::kDpiShift: {
      const std::optional<int> shift = host.runDpiShift(button);
      if (!shift) return ChoiceOutcome::Cancelled;
      assignment.FunctionCode = static_cast<uint8_t>(sub);
      assignment.ParamA = static_cast<uint8_t>(std::clamp(*shift, 1, 4));
      return ChoiceOutcome::Changed;
    }
    default:
      assignment.FunctionCode = static_cast<uint8_t>(sub);
      return ChoiceOutcome::Changed;
  }
}

}  // namespace

int MacroRunMode(const ButtonAssignment& assignment) {
  if (assignment.ParamB & kRunModeToggle) return 2;
  return assignment.ButtonNumber == kHeldMacroButtonNumber ? 1 : 0;
}

MacroChoice InitialMacroChoice(const ButtonAssignment& assignment, const MacroList& macros) {
  MacroChoice initial;
  if (macros.empty()) return initial;
  initial.position = 0;
  if (assignment.FunctionCode == function_code::kMacro) {
    const size_t position = assignment.ParamB & kMacroPositionBits;
    if (position < macros.size()) initial.position = static_cast<int>(position);
    initial.runMode = MacroRunMode(assignment);
  }
  initial.name = macros.at(static_cast<size_t>(initial.position));
  return initial;
}

ChoiceOutcome ApplyAssignmentChoice(AssignmentChoiceHost& host, int button, uint32_t choice,
                                    ProfileStrings& strings) {
  if (button < 0 || button >= kButtonCount) return ChoiceOutcome::Ignored;
  const int top = static_cast<int>(choice >> 16);
  const int sub = static_cast<int>(choice & 0xFFFF);
  SettingsRecord& record = host.settings().working();
  const int profile = activeProfileIndex(record);
  // Only what the menu of this profile can report; a stray report must not store a code
  // the menu never offers (0, or a switch to the profile already active).
  if (!AssignmentMenuOffers(BuildAssignmentMenuTree(profile), top, sub)) return ChoiceOutcome::Ignored;

  // A profile whose file lost every left click (edited or imported) must still be able to
  // get one back: "CLICK" goes through when this button does not hold the left click itself.
  const bool restoresLeftClick = top == assignment_menu_id::kClick &&
                                 record.Profiles[profile].ButtonAssigned[button].FunctionCode != function_code::kLeftClick;
  if (!HasOtherLeftClick(record, button) && !restoresLeftClick) {
    if (top == assignment_menu_id::kClick) return ChoiceOutcome::KeptLeftClick;
    host.warnLastLeftClick();
    return ChoiceOutcome::Refused;
  }

  // The record stays where it is while a dialog runs (a reload copies into it), so this
  // reference sees what the service's messages changed meanwhile and the result lands on
  // top of that, in this profile and button.
  ButtonAssignment& assignment = record.Profiles[profile].ButtonAssigned[button];
  ChoiceOutcome outcome;
  if (top == assignment_menu_id::kMacro) {
    outcome = chooseMacro(host, assignment, button, strings);
    if (outcome == ChoiceOutcome::SentToMacros || outcome == ChoiceOutcome::MacroLimit) return outcome;
  } else if (isSubMenu(top)) {
    outcome = chooseFromSubMenu(host, assignment, button, sub);
  } else {
    assignment.FunctionCode = static_cast<uint8_t>(top);
    outcome = ChoiceOutcome::Changed;
  }

  host.refreshLabels();
  // The profile the choice was made in, even when the service switched profiles while a
  // dialog ran: that is where the result went.
  host.settings().save(buttonAssignmentNotice(profile, button));
  return outcome;
}

}  // namespace ko
