#include "macro/macro_recorder.h"

#include <algorithm>
#include "text/key_tables.h"

namespace ko {
namespace {

constexpr uint32_t kLeftWindowsKey = 0x5B;
constexpr uint32_t kRightWindowsKey = 0x5C;

bool isKnownFlags(uint32_t flags) {
  return (flags & ~(kKeystrokeExtended | kKeystrokeReleased)) == 0;
}

}  // namespace

Text recordedKeyName(uint32_t virtualKey) {
  uint32_t code = VkToKeyNameCode(virtualKey);
  if (virtualKey == kLeftWindowsKey) code = kLeftWindowsKeyName;
  if (virtualKey == kRightWindowsKey) code = kRightWindowsKeyName;
  return KeyCodeNames(code, u"");
}

void MacroRecorder::start(bool insertMode) {
  state_.active = true;
  state_.insertMode = insertMode;
  state_.hasLastTick = false;
  state_.lastTick = 0;
  // A key still held when the last recording stopped is released unseen; its next press
  // starts a new recording and must not be taken for a repeat.
  state_.previousKey = 0;
  state_.previousFlags = 0;
  state_.lastRow = -1;
  state_.lastRowCount = 0;
  state_.heldAtStart = 0;
}

void MacroRecorder::startFresh(MacroEditor& editor) {
  editor.clearSteps();
  start(false);
}

void MacroRecorder::startInsert() { start(true); }

void MacroRecorder::stop() {
  state_.active = false;
  state_.insertMode = false;
}

bool MacroRecorder::stopByKey(MacroEditor& editor, uint32_t virtualKey) {
  const bool pressRecorded = state_.active && state_.lastRowCount > 0 &&
                             state_.previousKey == static_cast<int32_t>(virtualKey) &&
                             (state_.previousFlags & kKeystrokeReleased) == 0;
  const int row = state_.lastRow;
  const int rows = state_.lastRowCount;
  stop();
  if (!pressRecorded) return false;
  for (int n = 0; n < rows; ++n) {
    editor.select(row - n);
    editor.deleteSelected();
  }
  editor.select(row - rows);
  return true;
}

bool MacroRecorder::placeAfter(MacroEditor& editor, int row) {
  if (!state_.active || row < 0 || row >= editor.count()) return false;
  editor.select(row);
  state_.insertMode = true;
  return true;
}

uint32_t MacroRecorder::delayBefore(MacroEditor& editor, uint32_t now) {
  uint32_t delay = 0;
  switch (editor.delayMode()) {
    case DelayMode::None: return 0;
    case DelayMode::Measured:
      if (!state_.hasLastTick) state_.lastTick = now;
      delay = now - state_.lastTick;  // unsigned: right across the tick counter's wrap
      break;
    case DelayMode::Fixed: {
      const int32_t fixed = editor.takeFixedDelay();
      delay = state_.hasLastTick ? static_cast<uint32_t>(fixed) : 0;
      break;
    }
  }
  delay -= delay % kDelayUnitMs;
  return std::min(delay, kLongestRecordedDelayMs);
}

bool MacroRecorder::keystroke(MacroEditor& editor, uint32_t virtualKey, uint32_t flags, uint32_t now) {
  if (!state_.active || !isKnownFlags(flags)) return false;
  if (state_.heldAtStart != 0 && virtualKey == state_.heldAtStart) {
    state_.heldAtStart = 0;  // its release, or a new press of it that then counts
    if (flags & kKeystrokeReleased) return false;
  }
  if (static_cast<int32_t>(virtualKey) == state_.previousKey && static_cast<int32_t>(flags) == state_.previousFlags)
    return false;  // a held key repeats its press
  if (editor.count() >= kRecordingStepLimit) return false;

  std::vector<std::pair<MacroStep, Text>> steps;
  const uint32_t delay = delayBefore(editor, now);
  if (delay != 0) {
    const MacroStep step = delayStep(delay);
    steps.emplace_back(step, macroRowOf(step, editor.texts()).text);
  }
  const bool released = (flags & kKeystrokeReleased) != 0;
  steps.emplace_back(keyStep(VkToHid(virtualKey), !released), recordedKeyName(virtualKey));

  int at = state_.insertMode && editor.selectedRow() >= 0 ? editor.selectedRow() + 1 : editor.count();
  state_.lastRowCount = 0;
  for (auto& [step, text] : steps)
    if (editor.insertStep(at, step, std::move(text))) {
      ++at;
      ++state_.lastRowCount;
    }
  editor.select(at - 1);
  state_.lastRow = at - 1;

  state_.hasLastTick = true;
  state_.lastTick = now;
  state_.previousKey = static_cast<int32_t>(virtualKey);
  state_.previousFlags = static_cast<int32_t>(flags);
  return true;
}

}  // namespace ko
