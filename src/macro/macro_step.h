// One step of a macro, stored exactly as the device service reads it: three bytes, the
// kind (with a press flag) and two data bytes whose meaning depends on the kind.
#pragma once
#include <cstddef>
#include <cstdint>

namespace ko {

enum class MacroStepKind : uint8_t {
  MouseButton = 1,  // byte 1: button bit (1 left, 2 right, 4 middle)
  CursorMove = 2,   // bytes 1, 2: signed horizontal and vertical displacement
  Key = 4,          // byte 1: HID usage ID of the Keyboard/Keypad page
  Delay = 6,        // bytes 1, 2: little-endian count of 10 ms units
};

// Mouse-button bits of a MouseButton step; they are also the key-name codes that name them.
constexpr uint8_t kLeftButtonBit = 1;
constexpr uint8_t kRightButtonBit = 2;
constexpr uint8_t kMiddleButtonBit = 4;

constexpr uint8_t kPressFlag = 0x80;
constexpr uint8_t kKindMask = 0x7F;
// Milliseconds per stored delay unit.
constexpr uint32_t kDelayUnitMs = 10;

struct MacroStep {
  uint8_t kindAndFlag;  // bits 0-6 kind, bit 7 press (buttons and keys only)
  uint8_t first;
  uint8_t second;

  constexpr uint8_t kindValue() const { return kindAndFlag & kKindMask; }
  constexpr bool isPress() const { return (kindAndFlag & kPressFlag) != 0; }
  // A slot whose three bytes are all zero holds no step.
  constexpr bool isEmpty() const { return kindAndFlag == 0 && first == 0 && second == 0; }
  // Kinds other than the four known ones stay in the file but are never shown.
  constexpr bool isShown() const {
    const uint8_t k = kindValue();
    return !isEmpty() && (k == 1 || k == 2 || k == 4 || k == 6);
  }
  constexpr bool is(MacroStepKind kind) const { return !isEmpty() && kindValue() == static_cast<uint8_t>(kind); }

  // Delay steps: the stored units and the milliseconds they stand for.
  constexpr uint16_t delayUnits() const { return static_cast<uint16_t>(first | (second << 8)); }
  constexpr uint32_t delayMs() const { return delayUnits() * kDelayUnitMs; }
  // Cursor moves: the displacements as the signed bytes they are.
  constexpr int8_t dx() const { return static_cast<int8_t>(first); }
  constexpr int8_t dy() const { return static_cast<int8_t>(second); }

  friend constexpr bool operator==(const MacroStep& a, const MacroStep& b) {
    return a.kindAndFlag == b.kindAndFlag && a.first == b.first && a.second == b.second;
  }
  friend constexpr bool operator!=(const MacroStep& a, const MacroStep& b) { return !(a == b); }
};
static_assert(sizeof(MacroStep) == 3, "a macro step is stored as three bytes");
static_assert(offsetof(MacroStep, kindAndFlag) == 0 && offsetof(MacroStep, first) == 1 &&
                  offsetof(MacroStep, second) == 2,
              "macro step byte order");

constexpr MacroStep mouseButtonStep(uint8_t buttonBit, bool press) {
  return MacroStep{static_cast<uint8_t>(1 | (press ? kPressFlag : 0)), buttonBit, 0};
}
constexpr MacroStep keyStep(uint8_t usage, bool press) {
  return MacroStep{static_cast<uint8_t>(4 | (press ? kPressFlag : 0)), usage, 0};
}
constexpr MacroStep cursorMoveStep(int8_t dx, int8_t dy) {
  return MacroStep{2, static_cast<uint8_t>(dx), static_cast<uint8_t>(dy)};
}
// The milliseconds are rounded down to whole units; more than 16 bits of units cannot be
// stored, so longer delays keep the largest storable one rather than wrapping to a short one.
constexpr MacroStep delayStep(uint32_t milliseconds) {
  const uint32_t units = milliseconds / kDelayUnitMs > 0xFFFF ? 0xFFFF : milliseconds / kDelayUnitMs;
  return MacroStep{6, static_cast<uint8_t>(units & 0xFF), static_cast<uint8_t>(units >> 8)};
}

}  // namespace ko
