// What a choice in the assignment menu does to the button whose menu was open: the rule
// that keeps a left click on some button, the dialogs some functions need first, the
// macro branch with its limit of seven different macros per profile, and the label
// refresh, save and notice that end every completed choice.
#pragma once
#include <cstdint>
#include <optional>
#include "assign/assignment_labels.h"
#include "macro/macro_choice.h"
#include "macro/macro_list.h"
#include "platform/profile_strings.h"
#include "platform/wide_text.h"
#include "settings/settings_store.h"

namespace ko {

// At most this many different macros may play on buttons 1..9 of one profile.
constexpr size_t kMaxMacrosPerProfile = 7;

// What the window does for the rules. The button page implements it with the real
// dialogs and the window's services; tests implement it with a recorder.
class AssignmentChoiceHost {
 public:
  virtual ~AssignmentChoiceHost() = default;

  // The working record the choice changes, stored with its notice once the choice is made.
  virtual SettingsStore& settings() = 0;
  virtual const MacroList& macroList() = 0;
  // The macros the profile's buttons play, as the last label refresh found them.
  virtual const AssignedMacroNames& assignedMacros() = 0;
  // With its trailing separator.
  virtual Text macroFolder() = 0;

  // The dialogs, each modal for button `button` (0..10); true / a value on OK. Key capture,
  // rapid fire and XShoot write their parameter bytes into the working record themselves,
  // into the profile active when they were opened. The service's messages are handled
  // while they run and may reload the record or switch the active profile.
  virtual bool runKeyCapture(int button) = 0;
  virtual bool runRapidFire(int button) = 0;
  virtual bool runXShoot(int button) = 0;
  virtual std::optional<int> runDpiShift(int button) = 0;
  virtual std::optional<MacroChoice> runMacroChooser(const MacroChoice& initial) = 0;

  // "WARN3": the button is the last with a left click.
  virtual void warnLastLeftClick() = 0;
  // The macro list is empty: the user is sent to make one.
  virtual void showMacroPage() = 0;
  // Recomputes the nine captions (and so the assigned macros).
  virtual void refreshLabels() = 0;
};

enum class ChoiceOutcome {
  Ignored,         // no button, or a choice this menu cannot make: nothing happens
  KeptLeftClick,   // "CLICK" on the last left click: nothing to change
  Refused,         // the last left click would go: "WARN3", nothing changes
  SentToMacros,    // no macro exists yet: the macro page is shown, nothing saved
  MacroLimit,      // an eighth different macro: nothing changes, nothing said
  Changed,         // the record changed, then refresh, save, notice
  Cancelled,       // a dialog was cancelled: refresh, save and notice all the same
};

// Applies the menu's choice report (high word: top-level identifier, low word: sub-item
// identifier) to button `button` (0..10) of the active profile.
ChoiceOutcome ApplyAssignmentChoice(AssignmentChoiceHost& host, int button, uint32_t choice,
                                    ProfileStrings& strings = platformProfileStrings());

// What the macro chooser opens with: the macro the button plays now with its run mode, or
// else the first macro of the list in run mode 0, so that OK always names a macro.
MacroChoice InitialMacroChoice(const ButtonAssignment& assignment, const MacroList& macros);

// The run mode a macro assignment was made with: 2 when ParamB has 0x80, 1 when the button
// number is 255, else 0.
int MacroRunMode(const ButtonAssignment& assignment);

}  // namespace ko
