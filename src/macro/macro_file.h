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

// Reads the steps of the file at `path` into the document. The steps that can be shown
// are gathered into slots 0 .. count-1 in file order and every other slot is zeroed, so
// that row i of the editor is always slot i: a gap or a step of an unknown kind in the file
// would otherwise shift later rows against their slots and send edits to the wrong step.
// "Count" in the file is not trusted: the count is the number of steps found. A missing
// file, or a step record that is absent or fails its checksum, gives no steps. Name and
// loop text are left alone. Returns the count.
int32_t LoadMacroFile(MacroDocument& document, TextView path, ProfileStrings& strings = platformProfileStrings());

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
