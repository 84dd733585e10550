#include "assign/assignment_labels.h"

#include <algorithm>
#include "settings/function_catalogue.h"
#include "text/key_tables.h"
#include "settings/settings_file.h"

namespace ko {
namespace {

constexpr uint8_t kMacroPositionMask = 0x3F;

Text keyLabel(const ButtonAssignment& assignment, const KeyboardLayout& layout) {
  const uint32_t virtualKey = HidToVk(keyEntryAt(assignment, 0).Usage);
  return virtualKey == 0 ? Text(kUnknownKeyLabel) : LabelKeyName(virtualKey, layout);
}

Text macroLabel(ButtonAssignment& assignment, const MacroList& macros, AssignedMacroNames& assigned,
                const TextLookup& texts) {
  const size_t position = assignment.ParamB & kMacroPositionMask;
  if (macros.empty()) {
    const Text stored(assignment.MacroName, boundedLength(assignment.MacroName, kMacroNameUnits));
    if (!stored.empty()) assigned.add(stored);
    return texts(u"MACROCOMMAND");
  }
  if (position >= macros.size()) {
    assignment.FunctionCode = function_code::kButtonOff;
    return texts(u"OFFBUTTON");
  }
  // The list wins over the stored name: the device plays the macro at the position.
  const Text& name = macros.at(position);
  copyToBuffer(name, assignment.MacroName, kMacroNameUnits);
  assigned.add(name);
  return name;
}

}  // namespace

int AssignedMacroNames::add(TextView name) {
  const auto found = std::find(names_.begin(), names_.end(), name);
  if (found != names_.end()) return static_cast<int>(found - names_.begin());
  names_.emplace_back(name);
  return static_cast<int>(names_.size()) - 1;
}

bool AssignedMacroNames::contains(TextView name) const {
  return std::find(names_.begin(), names_.end(), name) != names_.end();
}

Text assignmentLabel(ButtonAssignment& assignment, const MacroList& macros, AssignedMacroNames& assigned,
                     const TextLookup& texts, const KeyboardLayout& layout) {
  switch (assignment.FunctionCode) {
    case function_code::kKeySequence: return keyLabel(assignment, layout);
    case function_code::kMacro: return macroLabel(assignment, macros, assigned, texts);
    default: break;
  }
  const CatalogueEntry* entry = findCatalogueEntry(assignment.FunctionCode);
  return entry && entry->labelKey ? texts(entry->labelKey) : Text();
}

AssignmentLabels RefreshAssignmentLabels(SettingsRecord& record, const MacroList& macros,
                                         AssignedMacroNames& assigned, const TextLookup& texts,
                                         const KeyboardLayout& layout) {
  assigned.clear();
  AssignmentLabels labels;
  ProfileRecord& profile = activeProfile(record);
  for (int b = 0; b < kLabelledButtonCount; ++b)
    labels[b] = assignmentLabel(profile.ButtonAssigned[b], macros, assigned, texts, layout);
  return labels;
}

bool HasOtherLeftClick(const SettingsRecord& record, int buttonIndex) {
  const ProfileRecord& profile = activeProfile(record);
  for (int b = 0; b < kButtonCount; ++b)
    if (b != buttonIndex && profile.ButtonAssigned[b].FunctionCode == function_code::kLeftClick) return true;
  return false;
}

}  // namespace ko
