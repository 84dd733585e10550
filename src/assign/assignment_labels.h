// The captions of the button page's nine assignment buttons, the list of macros the
// profile's buttons play, and the rule that keeps a left click on some button.
#pragma once
#include <array>
#include <vector>
#include "macro/macro_list.h"
#include "macro/text_lookup.h"
#include "platform/keyboard_layout.h"
#include "settings/settings_record.h"

namespace ko {

// Buttons 1..9 have an assignment button; 10 and 11 are stored but never shown.
constexpr int kLabelledButtonCount = 9;
using AssignmentLabels = std::array<Text, kLabelledButtonCount>;

// Label of a key assignment whose key has no usage the program knows.
constexpr char16_t kUnknownKeyLabel[] = u"key";

// The distinct macro names (exact comparison) the profile's buttons 1..9 play, in button
// order; the assignment menu limits a profile to seven of them.
class AssignedMacroNames {
 public:
  void clear() { names_.clear(); }
  // Adds the name unless present; returns its position either way.
  int add(TextView name);
  bool contains(TextView name) const;
  size_t size() const { return names_.size(); }
  const std::vector<Text>& names() const { return names_; }

 private:
  std::vector<Text> names_;
};

// The label of one assignment. A macro assignment takes the name the macro list has at its
// position (and stores it in MacroName), or, when the position is past the end of a
// non-empty list, becomes "button off" (code 7). The name a macro button plays afterwards
// is added to `assigned`.
Text assignmentLabel(ButtonAssignment& assignment, const MacroList& macros, AssignedMacroNames& assigned,
                     const TextLookup& texts, const KeyboardLayout& layout);

// The labels of buttons 1..9 of the active profile; `assigned` is rebuilt on the way.
AssignmentLabels RefreshAssignmentLabels(SettingsRecord& record, const MacroList& macros,
                                         AssignedMacroNames& assigned, const TextLookup& texts = interfaceTextLookup(),
                                         const KeyboardLayout& layout = platformKeyboardLayout());

// True when a record of the active profile other than button `buttonIndex` (0..10) has a
// left click.
bool HasOtherLeftClick(const SettingsRecord& record, int buttonIndex);

}  // namespace ko
