#include "macro/macro_assignments.h"

#include "platform/wide_text.h"

namespace ko {
namespace {

// True when the assignment changed.
bool remap(ButtonAssignment& a, const MacroList& before, const MacroList& after) {
  if (a.FunctionCode != function_code::kMacro) return false;
  const size_t position = a.ParamB & kMacroPositionMask;
  // A position past the old list already plays nothing; the label refresh switches it off.
  if (position >= before.size()) return false;
  const int now = after.positionOf(before.at(position));
  if (now < 0) {
    a.FunctionCode = function_code::kButtonOff;
    return true;
  }
  if (static_cast<size_t>(now) == position) return false;
  a.ParamB = static_cast<uint8_t>((a.ParamB & ~kMacroPositionMask) | (now & kMacroPositionMask));
  copyToBuffer(after.at(static_cast<size_t>(now)), a.MacroName, kMacroNameUnits);
  return true;
}

}  // namespace

bool RemapMacroAssignments(SettingsRecord& record, const MacroList& before, const MacroList& after) {
  bool changed = false;
  for (ProfileRecord& profile : record.Profiles)
    for (ButtonAssignment& assignment : profile.ButtonAssigned) changed |= remap(assignment, before, after);
  return changed;
}

std::vector<ButtonOfProfile> RenameMacroAssignments(SettingsRecord& record, const MacroList& before,
                                                    const MacroList& after, TextView oldName, TextView newName) {
  std::vector<ButtonOfProfile> changed;
  const int now = after.positionOf(newName);
  if (now < 0) return changed;
  for (int p = 0; p < kProfileCount; ++p) {
    for (int b = 0; b < kButtonCount; ++b) {
      ButtonAssignment& a = record.Profiles[p].ButtonAssigned[b];
      if (a.FunctionCode != function_code::kMacro) continue;
      const size_t position = a.ParamB & kMacroPositionMask;
      if (position >= before.size() || before.at(position) != oldName) continue;
      a.ParamB = static_cast<uint8_t>((a.ParamB & ~kMacroPositionMask) | (now & kMacroPositionMask));
      copyToBuffer(newName, a.MacroName, kMacroNameUnits);
      changed.push_back({p, b});
    }
  }
  return changed;
}

}  // namespace ko
