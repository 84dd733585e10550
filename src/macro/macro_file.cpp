#include "macro/macro_file.h"

#include <limits>
#include "macro/macro_paths.h"
#include "platform/file_system.h"
#include "platform/profile_file.h"

namespace ko {

int32_t loopTimeOf(TextView loopText) {
  int64_t value = 0;
  for (char16_t c : loopText) {
    if (c < u'0' || c > u'9') break;
    value = value * 10 + (c - u'0');
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  }
  return static_cast<int32_t>(value);
}

int32_t storedStepCount(const std::array<MacroStep, kMacroStepSlots>& slots) {
  for (int32_t slot = kMacroStepSlots; slot > 0; --slot)
    if (!slots[slot - 1].isEmpty()) return slot;
  return 0;
}

int32_t LoadMacroFile(MacroDocument& document, TextView path, ProfileStrings& strings) {
  const ProfileFile file{Text(path), strings};
  std::array<MacroStep, kMacroStepSlots> stored{};
  document.clearSteps();
  if (!file.readStruct(kMacroFileSection, kMacroStepsKey, stored.data(), kMacroStepBytes)) return 0;
  // Every slot is kept as stored, gaps and unknown kinds included: the device service plays
  // these bytes, and a save must give them back unchanged.
  document.steps = stored;
  document.count = storedStepCount(document.steps);
  return document.count;
}

int32_t ReadMacroLoopTime(TextView path, int32_t fallback, ProfileStrings& strings) {
  return ProfileFile{Text(path), strings}.readInt(kMacroFileSection, kMacroLoopTimeKey, fallback);
}

bool SaveMacroFile(const MacroDocument& document, TextView path, ProfileStrings& strings) {
  const ProfileFile file{Text(path), strings};
  // Every key is attempted even after a failure, so a partly writable file gets the rest.
  bool ok = file.writeString(kMacroFileSection, kMacroFilePathKey, path);
  ok &= file.writeInt(kMacroFileSection, kMacroCountKey, document.count);
  ok &= file.writeInt(kMacroFileSection, kMacroLoopTimeKey, loopTimeOf(document.loopText));
  ok &= file.writeStruct(kMacroFileSection, kMacroStepsKey, document.steps.data(), kMacroStepBytes);
  return ok;
}

NewMacro NewMacroName(TextView macroFolder, TextView base, const MacroList& list) {
  for (int32_t n = 1; n < std::numeric_limits<int32_t>::max(); ++n) {
    Text name = Text(base) + decimal(n);
    Text path = macroFilePath(macroFolder, name);
    if (!fileExists(path) && !list.hasFileNameOf(name)) return NewMacro{std::move(name), std::move(path)};
  }
  return NewMacro{};
}

}  // namespace ko
