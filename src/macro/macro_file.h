// The ".macro" file: an INI file with one section "Setting" holding the path it was
// written to, the step count, the loop value and the 60 step slots as one record
// ("MacroSetting_0"). The device service reads these files to play the macros.
#pragma once
#include <cstdint>
#include "macro/macro_document.h"
#include "macro/macro_list.h"
#include "platform/profile_strings.h"
#include "platform/wide_text.h"

namespace ko {

constexpr char16_t kMacroFileSection[] = u"Setting";
constexpr char16_t kMacroFilePathKey[] = u"MacroFilePath";
constexpr char16_t kMacroCountKey[] = u"Count";
constexpr char16_t kMacroLoopTimeKey[] = u"LoopTime";
// The step record carries a chunk number; 60 steps fit in chunk 0, the only one used.
constexpr char16_t kMacroStepsKey[] = u"MacroSetting_0";

// Reads the steps of the file at `path` into the document, every slot exactly as stored:
// a step of a kind the editor does not know, or an empty slot between steps, stays where it
// is (the editor shows it as an empty row, so row i is still slot i) and a later save
// writes it back unchanged. The count runs to the last slot that holds anything; "Count" in
// the file is not trusted. A missing file, or a step record that is absent or fails its
// checksum, gives no steps. Name and loop text are left alone. Returns the count.
int32_t LoadMacroFile(MacroDocument& document, TextView path, ProfileStrings& strings = platformProfileStrings());

// The number of slots up to and including the last one that is not empty.
int32_t storedStepCount(const std::array<MacroStep, kMacroStepSlots>& slots);

// "LoopTime" of the file, `fallback` when the file or key is missing.
int32_t ReadMacroLoopTime(TextView path, int32_t fallback, ProfileStrings& strings = platformProfileStrings());

// Writes "MacroFilePath" (= path), "Count", "LoopTime" (the loop text's value) and the
// step record, in this order. True when every key was written.
bool SaveMacroFile(const MacroDocument& document, TextView path, ProfileStrings& strings = platformProfileStrings());

// A name for a new macro: `base` followed by the lowest n from 1 whose file does not yet
// exist in the macro folder and which no listed macro already has (a listed macro whose
// file went missing keeps its name).
struct NewMacro {
  Text name;
  Text path;
};
NewMacro NewMacroName(TextView macroFolder, TextView base, const MacroList& list);

}  // namespace ko
