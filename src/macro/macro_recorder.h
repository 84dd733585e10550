// Recording keystrokes into the open macro: the keyboard hook reports every press and
// release (virtual key and low-level flags); each becomes a key step, preceded by a delay
// step as the page's delay mode says.
#pragma once
#include <cstdint>
#include "macro/macro_editor.h"

namespace ko {

// The flags the hook reports with a keystroke.
inline constexpr uint32_t kKeystrokeExtended = 0x01;
inline constexpr uint32_t kKeystrokeReleased = 0x80;
// A keystroke adds at most two steps, so from this count on keystrokes are dropped.
inline constexpr int32_t kRecordingStepLimit = kMacroStepSlots - 2;
// Recorded delays are whole 10 ms units between 10 ms and this.
inline constexpr uint32_t kLongestRecordedDelayMs = 65535;
// Key-name codes that tell the two Windows keys apart in recorded rows.
inline constexpr uint32_t kLeftWindowsKeyName = 244;
inline constexpr uint32_t kRightWindowsKeyName = 245;

struct RecordingState {
  bool active = false;
  bool insertMode = false;  // false: appended; true: after the selected row
  bool hasLastTick = false;
  uint32_t lastTick = 0;  // tick of the previous accepted keystroke
  int32_t previousKey = 0;
  int32_t previousFlags = 0;
  // Where the last keystroke went: its key row and how many rows it added (a delay first).
  int lastRow = -1;
  int lastRowCount = 0;
  // A key that was down when the recording started: its release is dropped.
  uint32_t heldAtStart = 0;
};

// The display name of a recorded key: the Windows keys get names of their own.
Text recordedKeyName(uint32_t virtualKey);

class MacroRecorder {
 public:
  const RecordingState& state() const { return state_; }
  bool active() const { return state_.active; }

  // The record button: the macro's steps are emptied and keystrokes are appended.
  void startFresh(MacroEditor& editor);
  // "INSERTNEWACT": the steps stay and keystrokes go after the selected row.
  void startInsert();
  // The key that started the recording (Space or Enter on Record) is still down: its
  // release, which the hook reports next, belongs to no macro.
  void skipReleaseOf(uint32_t virtualKey) { state_.heldAtStart = virtualKey; }
  void stop();
  // The stop button pressed with a key (Space or Enter): the hook saw that key's press on
  // its way to the button and recorded it, but it belongs to no macro; it goes with the
  // delay before it. True when the steps changed.
  bool stopByKey(MacroEditor& editor, uint32_t virtualKey);
  // A click on row `row` of the step list while recording: the next keystrokes go after
  // that row, as the highlight then shows. A click outside the rows moves nothing. True
  // when the insertion point moved.
  bool placeAfter(MacroEditor& editor, int row);

  // One keystroke at tick `now` (milliseconds, wrapping at 32 bits). True when recorded;
  // false when not recording, a held key's repeat, or the macro is full.
  bool keystroke(MacroEditor& editor, uint32_t virtualKey, uint32_t flags, uint32_t now);

 private:
  void start(bool insertMode);
  // The delay before this keystroke in the editor's delay mode; 0 adds none.
  uint32_t delayBefore(MacroEditor& editor, uint32_t now);

  RecordingState state_;
};

}  // namespace ko
