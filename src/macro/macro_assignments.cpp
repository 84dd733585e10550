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

}  // namespace ko
