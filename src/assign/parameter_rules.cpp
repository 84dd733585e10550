#include "assign/parameter_rules.h"

#include <cstring>
#include <limits>
#include "text/key_tables.h"

namespace ko {

int32_t FieldNumber(TextView text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  int64_t total = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    total = total * 10 + (text[i] - u'0');
    if (total > std::numeric_limits<int32_t>::max()) total = std::numeric_limits<int32_t>::max();
  }
  return static_cast<int32_t>(negative ? -total : total);
}

uint8_t SaturatedByte(int32_t value) {
  if (value < 0) return 0;
  return static_cast<uint8_t>(value > 255 ? 255 : value);
}

RapidFireValues RapidFireOpening(const ButtonAssignment& assignment) {
  RapidFireValues values;
  if (assignment.FunctionCode != kRapidFireCode) return values;
  values.speed = assignment.ParamData[1];
  values.count = assignment.ParamA;
  values.second = assignment.ParamB;
  return values;
}

std::optional<int32_t> ClampRapidFireCount(int32_t count) {
  if (count > kRapidFireCountMax) return kRapidFireCountMax;
  if (count <= 0) return 1;
  return std::nullopt;
}

std::optional<int32_t> ClampRapidFireSecond(int32_t second) {
  if (second > kRapidFireSecondMax) return kRapidFireSecondMax;
  return std::nullopt;
}

void StoreRapidFire(ButtonAssignment& assignment, const RapidFireValues& values) {
  assignment.ParamA = SaturatedByte(values.count);
  assignment.ParamB = SaturatedByte(values.second);
  assignment.ParamData[1] = SaturatedByte(values.speed);
}

namespace {

XShootTrigger MouseTrigger(TriggerKind kind) {
  switch (kind) {
    case TriggerKind::Right: return {kind, kTriggerRight, u"Right", false};
    case TriggerKind::Middle: return {kind, kTriggerMiddle, u"Middle", false};
    default: return {TriggerKind::Left, kTriggerLeft, u"Left", false};
  }
}

}  // namespace

XShootOpening XShootOpen(const ButtonAssignment& assignment, const KeyboardLayout& layout) {
  XShootOpening opening;
  const uint8_t stored = assignment.ParamData[1];
  switch (stored) {
    case kTriggerLeft: opening.trigger = MouseTrigger(TriggerKind::Left); break;
    case kTriggerRight: opening.trigger = MouseTrigger(TriggerKind::Right); break;
    case kTriggerMiddle: opening.trigger = MouseTrigger(TriggerKind::Middle); break;
    default: opening.trigger = XShootTrigger{};
  }
  if (assignment.FunctionCode != kXShootCode) {
    // A record of another function keeps the trigger its byte 5 names but shows nothing.
    opening.trigger.text.clear();
    opening.trigger.editable = true;
    return opening;
  }
  opening.showNumbers = true;
  opening.first = assignment.ParamA;
  opening.second = assignment.ParamB;
  if (opening.trigger.kind == TriggerKind::Keyboard) {
    opening.trigger.code = stored;
    opening.trigger.text = XShootTriggerText(stored, layout);
  }
  return opening;
}

XShootTrigger XShootTriggerChoice(int32_t identifier, uint8_t currentCode) {
  switch (identifier) {
    case 2: return MouseTrigger(TriggerKind::Right);
    case 3: return MouseTrigger(TriggerKind::Middle);
    case 4: return {TriggerKind::Keyboard, currentCode, u"", true};
    default: return MouseTrigger(TriggerKind::Left);
  }
}

uint8_t XShootTriggerFromCharacter(char16_t character, const KeyboardLayout& layout) {
  const int16_t key = layout.keyForCharacter(character);
  return VkToHid(static_cast<uint32_t>(key) & 0xFF);
}

Text XShootTriggerText(uint8_t usage, const KeyboardLayout& layout) {
  const uint32_t vk = HidToVk(usage);
  if (vk == 0) return Text();
  uint16_t character = 0;
  if (layout.translate(vk, layout.scanCodeOf(vk), character) <= 0) return Text();
  char16_t unit = static_cast<char16_t>(character & 0xFF);
  if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - u'a' + u'A');
  if (unit < u' ') return Text();
  return Text(1, unit);
}

std::optional<int32_t> ClampXShootNumber(int32_t value) {
  if (value < 1) return 1;
  if (value > 255) return 255;
  return std::nullopt;
}

void StoreXShoot(ButtonAssignment& assignment, int32_t first, int32_t second, uint8_t triggerCode) {
  auto inRange = [](int32_t v) { return static_cast<uint8_t>(v <= 0 || v >= 256 ? 1 : v); };
  assignment.ParamA = inRange(first);
  assignment.ParamB = inRange(second);
  assignment.FunctionCode = kXShootCode;
  std::memset(assignment.ParamData, 0, sizeof assignment.ParamData);
  assignment.ParamData[1] = triggerCode;
}

Text DpiShiftChoiceText(int32_t identifier) {
  for (const ChoiceItem& item : kDpiShiftItems)
    if (item.identifier == identifier) return item.text;
  return Text();
}

}  // namespace ko
