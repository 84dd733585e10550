// What the key capture dialog makes of the keyboard: which key messages it takes, how the
// generic Ctrl, Shift, Alt and Enter keys become their left, right or keypad keys, the
// list of captured events, its display text and the key entries written on OK.
#pragma once
#include <array>
#include <cstdint>
#include "platform/keyboard_layout.h"
#include "platform/wide_text.h"
#include "settings/button_assignment.h"

namespace ko {

inline constexpr int kMaxKeyEvents = 60;

// Bits of a key message's flags (the high word of its lParam).
inline constexpr uint32_t kKeyScanCodeMask = 0xFF;
inline constexpr uint32_t kKeyExtendedBit = 0x100;
inline constexpr uint32_t kKeyWasDownBit = 0x4000;

enum class KeyMessage { KeyDown, KeyUp, SysKeyDown, SysKeyUp };

struct KeyEvent {
  uint32_t virtualKey = 0;
  int32_t release = 0;  // 0 press, 1 release
  int32_t delay = 0;    // 2 ms units
};

class KeyCapture {
 public:
  // A button key is one press: single-key mode keeps at most one event.
  explicit KeyCapture(bool multiKey = false) : multiKey_(multiKey) {}

  // The key the button holds now (a key assignment's entries; other records give none,
  // as does a count beyond what the mode allows). Capture starts afresh.
  void Load(const ButtonAssignment& assignment);

  // The filter in front of the dialog: turns a key message into a key event where it
  // should. Returns true when the message is consumed (Space, so it cannot press the
  // focused button; the system keys Alt and F10, so they cannot open the system menu,
  // except Alt+F4, which closes the dialog); false lets the dialog process it normally.
  bool Filter(KeyMessage message, uint32_t virtualKey, uint32_t flags);

  // One key event; true when it was added to the list. The first event after opening
  // empties the list even when it is then refused.
  bool OnKeyEvent(bool release, uint32_t virtualKey, uint32_t flags);

  // The captured keys as the dialog shows them: each key's name (releases left out in
  // single-key mode), its delay when it has one, each followed by a space.
  Text DisplayText(const KeyboardLayout& layout = platformKeyboardLayout()) const;

  // OK: ParamA 1, ParamB the event count, ParamData cleared, then one key entry per event.
  // The function code is the caller's.
  void Store(ButtonAssignment& assignment) const;

  int count() const { return count_; }
  const KeyEvent& event(int i) const { return events_[i]; }
  bool started() const { return started_; }

 private:
  std::array<KeyEvent, kMaxKeyEvents> events_{};
  int count_ = 0;
  bool started_ = false;
  bool multiKey_;
};

// The left, right or keypad key a generic key message stands for; other keys unchanged.
uint32_t SidedVirtualKey(uint32_t virtualKey, uint32_t flags);

}  // namespace ko
