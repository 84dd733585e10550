// The values behind the rapid-fire, XShoot and DPI-shift dialogs: what each shows when it
// opens, the limits it holds its fields to and the bytes it stores on OK. The dialogs
// only move text between these rules and their controls.
#pragma once
#include <cstdint>
#include <optional>
#include "platform/keyboard_layout.h"
#include "platform/wide_text.h"
#include "settings/button_assignment.h"

namespace ko {

inline constexpr uint8_t kRapidFireCode = 101;
inline constexpr uint8_t kXShootCode = 9;
inline constexpr uint8_t kDpiShiftCode = 15;

// A field's number as typed: leading blanks, an optional sign and the decimal digits that
// follow; an empty or non-numeric field reads 0. Too many digits saturate.
int32_t FieldNumber(TextView text);

// The byte a number is stored in: values above 255 keep the largest the byte holds
// instead of wrapping round to a small one; negative values store 0.
uint8_t SaturatedByte(int32_t value);

// Rapid fire: speed on the slider (byte 5), count (ParamA; 0 = no limit, check box set)
// and the second number (ParamB).
inline constexpr int kRapidFireSpeedMin = 10, kRapidFireSpeedMax = 200;
inline constexpr int kRapidFireCountMax = 255;
inline constexpr int kRapidFireSecondMax = 255;  // ParamB is one byte: the field holds no more
inline constexpr int kRapidFireCountWhenLimited = 3;

struct RapidFireValues {
  int32_t speed = 30;
  int32_t count = 0;
  int32_t second = 10;
};

// What the dialog opens with: the record's values when it already is rapid fire.
RapidFireValues RapidFireOpening(const ButtonAssignment& assignment);
// After a key release in the count field, while counting is on: the text to write back
// when the count is out of 1..255, nothing when it may stay.
std::optional<int32_t> ClampRapidFireCount(int32_t count);
// Likewise for the second number, held to what its byte stores; it has no lower limit.
std::optional<int32_t> ClampRapidFireSecond(int32_t second);
// OK: ParamA, ParamB and byte 5; nothing else of the record changes.
void StoreRapidFire(ButtonAssignment& assignment, const RapidFireValues& values);

// XShoot: the trigger is a mouse button or a keyboard key, stored in byte 5.
enum class TriggerKind : int32_t { Left = 1, Right = 2, Middle = 3, Keyboard = 4 };
inline constexpr uint8_t kTriggerLeft = 0x81, kTriggerRight = 0x82, kTriggerMiddle = 0x84;

struct XShootTrigger {
  TriggerKind kind = TriggerKind::Keyboard;
  uint8_t code = 0;
  Text text;            // what the trigger field shows
  bool editable = true;  // the field takes a typed key only for the keyboard kind
};

struct XShootOpening {
  XShootTrigger trigger;
  bool showNumbers = false;  // the record already is XShoot: its numbers fill the fields
  int32_t first = 0, second = 0;
};

XShootOpening XShootOpen(const ButtonAssignment& assignment, const KeyboardLayout& layout = platformKeyboardLayout());
// A choice from the trigger menu (item identifier 1..4; anything else means Left). The
// keyboard kind keeps `currentCode` until a key is typed.
XShootTrigger XShootTriggerChoice(int32_t identifier, uint8_t currentCode);
// The usage of the key that types `character` on the layout; 0 when no key has a usage.
uint8_t XShootTriggerFromCharacter(char16_t character, const KeyboardLayout& layout = platformKeyboardLayout());
// The character the trigger field shows for a stored usage: what the key types, upper-cased
// for letters, so that typing it again gives the same usage; "" for keys that type nothing.
Text XShootTriggerText(uint8_t usage, const KeyboardLayout& layout = platformKeyboardLayout());
// Either number after a change: the text to write back when outside 1..255.
std::optional<int32_t> ClampXShootNumber(int32_t value);
// OK: code 9, both numbers (1 for anything outside 1..255), ParamData cleared, byte 5.
void StoreXShoot(ButtonAssignment& assignment, int32_t first, int32_t second, uint8_t triggerCode);

// The menu items of the drop-downs, in order, with their identifiers.
struct ChoiceItem {
  const char16_t* text;
  int32_t identifier;
};
inline constexpr ChoiceItem kTriggerItems[] = {{u"Left", 1}, {u"Right", 2}, {u"Middle", 3}, {u"Keyboard", 4}};
inline constexpr ChoiceItem kDpiShiftItems[] = {{u"250", 1}, {u"500", 2}, {u"750", 3}, {u"1000", 4}};

// DPI shift: the choice 1..4 stored in ParamA; without a choice the dialog hands back 1.
inline constexpr int32_t kDpiShiftDefaultChoice = 1;
// The caption of a choice; "" for identifiers outside the menu.
Text DpiShiftChoiceText(int32_t identifier);

}  // namespace ko
