#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include "text/key_tables.h"
#include "assign/parameter_rules.h"

namespace ko {
namespace {

ButtonAssignment record(uint8_t code, uint8_t a, uint8_t b, uint8_t byte5) {
  ButtonAssignment r{};
  r.FunctionCode = code;
  r.ParamA = a;
  r.ParamB = b;
  r.ParamData[1] = byte5;
  return r;
}

TEST(FieldNumber, ReadsLeadingDecimalDigits) {
  EXPECT_EQ(FieldNumber(u""), 0);
  EXPECT_EQ(FieldNumber(u"abc"), 0);
  EXPECT_EQ(FieldNumber(u"12x4"), 12);
  EXPECT_EQ(FieldNumber(u"  7"), 7);
  EXPECT_EQ(FieldNumber(u"-3"), -3);
  EXPECT_EQ(FieldNumber(u"0x10"), 0);  // decimal only
  EXPECT_EQ(FieldNumber(u"99999999999999"), INT_MAX);
}

TEST(RapidFire, FreshButtonOpensWithDefaultsAndStoresThem) {
  ButtonAssignment r = record(5, 1, 1, 4);
  r.ParamData[0] = 0x42;
  const RapidFireValues v = RapidFireOpening(r);
  EXPECT_EQ(v.speed, 30);
  EXPECT_EQ(v.count, 0);
  EXPECT_EQ(v.second, 10);
  StoreRapidFire(r, v);
  EXPECT_EQ(r.ParamA, 0);
  EXPECT_EQ(r.ParamB, 10);
  EXPECT_EQ(r.ParamData[1], 30);
  // Nothing else of the record is the dialog's.
  EXPECT_EQ(r.FunctionCode, 5);
  EXPECT_EQ(r.ParamData[0], 0x42);
}

TEST(RapidFire, ExistingRapidFireOpensWithItsValues) {
  const RapidFireValues v = RapidFireOpening(record(kRapidFireCode, 7, 200, 150));
  EXPECT_EQ(v.count, 7);
  EXPECT_EQ(v.second, 200);
  EXPECT_EQ(v.speed, 150);
}

TEST(RapidFire, FieldsAreHeldToTheirLimits) {
  EXPECT_EQ(ClampRapidFireCount(300), 255);
  EXPECT_EQ(ClampRapidFireCount(256), 255);
  EXPECT_EQ(ClampRapidFireCount(0), 1);
  EXPECT_EQ(ClampRapidFireCount(-4), 1);
  EXPECT_FALSE(ClampRapidFireCount(255).has_value());
  EXPECT_FALSE(ClampRapidFireCount(1).has_value());
  EXPECT_EQ(ClampRapidFireSecond(1000), 255);  // the byte's largest, not a number it cannot keep
  EXPECT_EQ(ClampRapidFireSecond(256), 255);
  EXPECT_FALSE(ClampRapidFireSecond(255).has_value());
  EXPECT_FALSE(ClampRapidFireSecond(-20).has_value());  // no lower limit
}

TEST(RapidFire, NumbersAboveAByteStoreTheLargestByteNotAWrappedOne) {
  ButtonAssignment r{};
  StoreRapidFire(r, RapidFireValues{200, 300, 2550});
  EXPECT_EQ(r.ParamA, 255);
  EXPECT_EQ(r.ParamB, 255);  // 2550 would wrap to 246
  StoreRapidFire(r, RapidFireValues{10, 3, 256});
  EXPECT_EQ(r.ParamB, 255);  // not 0
  StoreRapidFire(r, RapidFireValues{10, 3, 255});
  EXPECT_EQ(r.ParamB, 255);
  StoreRapidFire(r, RapidFireValues{10, 3, -5});
  EXPECT_EQ(r.ParamB, 0);
}

TEST(XShoot, TriggerComesFromByteFiveWhateverTheFunction) {
  const XShootOpening other = XShootOpen(record(101, 3, 4, kTriggerRight));
  EXPECT_EQ(other.trigger.kind, TriggerKind::Right);
  EXPECT_EQ(other.trigger.code, kTriggerRight);
  EXPECT_FALSE(other.showNumbers);
  EXPECT_EQ(other.trigger.text, u"");

  const XShootOpening fresh = XShootOpen(record(1, 0, 0, 30));
  EXPECT_EQ(fresh.trigger.kind, TriggerKind::Keyboard);
  EXPECT_EQ(fresh.trigger.code, 0);  // a keyboard code is only taken from an XShoot record

  const XShootOpening middle = XShootOpen(record(kXShootCode, 5, 6, kTriggerMiddle));
  EXPECT_TRUE(middle.showNumbers);
  EXPECT_EQ(middle.first, 5);
  EXPECT_EQ(middle.second, 6);
  EXPECT_EQ(middle.trigger.text, u"Middle");
  EXPECT_FALSE(middle.trigger.editable);
}

TEST(XShoot, KeyboardTriggerRoundTripsThroughItsCharacter) {
  const uint8_t a = XShootTriggerFromCharacter(u'a');
  EXPECT_EQ(a, VkToHid('A'));
  const XShootOpening reopened = XShootOpen(record(kXShootCode, 1, 1, a));
  EXPECT_EQ(reopened.trigger.kind, TriggerKind::Keyboard);
  EXPECT_EQ(reopened.trigger.code, a);
  EXPECT_EQ(reopened.trigger.text, u"A");
  EXPECT_TRUE(reopened.trigger.editable);

  // A punctuation key shows the character it types, which types the same key again.
  const uint8_t semicolon = XShootTriggerFromCharacter(u';');
  EXPECT_EQ(semicolon, 51);
  EXPECT_EQ(XShootTriggerText(semicolon), u";");
  EXPECT_EQ(XShootTriggerFromCharacter(XShootTriggerText(semicolon)[0]), semicolon);

  EXPECT_EQ(XShootTriggerFromCharacter(u'\u00e9'), 0);  // no key of the layout types it
  EXPECT_EQ(XShootTriggerText(0), u"");
}

TEST(XShoot, MenuChoicesSetKindCodeAndField) {
  const XShootTrigger right = XShootTriggerChoice(2, 4);
  EXPECT_EQ(right.code, kTriggerRight);
  EXPECT_EQ(right.text, u"Right");
  EXPECT_FALSE(right.editable);
  EXPECT_EQ(XShootTriggerChoice(3, 0).code, kTriggerMiddle);
  const XShootTrigger keyboard = XShootTriggerChoice(4, 0x84);
  EXPECT_EQ(keyboard.kind, TriggerKind::Keyboard);
  EXPECT_EQ(keyboard.code, 0x84);  // kept until a key is typed
  EXPECT_TRUE(keyboard.editable);
  EXPECT_EQ(keyboard.text, u"");
  EXPECT_EQ(XShootTriggerChoice(9, 0).kind, TriggerKind::Left);
  EXPECT_EQ(XShootTriggerChoice(1, 0).code, kTriggerLeft);
}

TEST(XShoot, NumbersStayWithinOneTo255) {
  EXPECT_EQ(ClampXShootNumber(0), 1);
  EXPECT_EQ(ClampXShootNumber(256), 255);
  EXPECT_FALSE(ClampXShootNumber(128).has_value());

  ButtonAssignment r = record(101, 9, 9, 9);
  std::memset(r.ParamData, 0x77, sizeof r.ParamData);
  StoreXShoot(r, 0, 256, 4);
  EXPECT_EQ(r.FunctionCode, kXShootCode);
  EXPECT_EQ(r.ParamA, 1);
  EXPECT_EQ(r.ParamB, 1);
  EXPECT_EQ(r.ParamData[1], 4);
  for (size_t i = 0; i < kAssignmentParamBytes; ++i)
    if (i != 1) EXPECT_EQ(r.ParamData[i], 0) << i;
  StoreXShoot(r, 12, 255, kTriggerLeft);
  EXPECT_EQ(r.ParamA, 12);
  EXPECT_EQ(r.ParamB, 255);
}

TEST(DpiShift, ChoicesAndTheirCaptions) {
  EXPECT_EQ(DpiShiftChoiceText(1), u"250");
  EXPECT_EQ(DpiShiftChoiceText(4), u"1000");
  EXPECT_EQ(DpiShiftChoiceText(0), u"");
  EXPECT_EQ(kDpiShiftDefaultChoice, 1);
}

}  // namespace
}  // namespace ko
