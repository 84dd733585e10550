#include <gtest/gtest.h>

#include "text/key_tables.h"
#include "macro/macro_recorder.h"
#include "macro_test_support.h"

namespace ko {
namespace {

constexpr uint32_t kA = 0x41, kB = 0x42;
constexpr uint32_t kPress = 0, kRelease = 0x80;
constexpr uint8_t kUsageA = 0x04, kUsageB = 0x05;

class MacroRecorderTest : public ::testing::Test {
 protected:
  MacroRecorderTest() : editor_(document_, MacroStepTexts::from(test::testText)) {}

  std::vector<MacroStep> steps() const {
    return std::vector<MacroStep>(document_.steps.begin(), document_.steps.begin() + document_.count);
  }
  bool key(uint32_t vk, uint32_t flags, uint32_t now) { return recorder_.keystroke(editor_, vk, flags, now); }

  MacroDocument document_;
  MacroEditor editor_;
  MacroRecorder recorder_;
};

TEST_F(MacroRecorderTest, MeasuredDelaysBetweenKeystrokes) {
  document_.steps[0] = keyStep(0x10, true);  // what was there goes when a fresh recording starts
  document_.count = 1;
  recorder_.startFresh(editor_);
  EXPECT_EQ(document_.count, 0);

  EXPECT_TRUE(key(kA, kPress, 100000));
  EXPECT_TRUE(key(kA, kRelease, 101234));
  EXPECT_EQ(steps(), (std::vector<MacroStep>{keyStep(kUsageA, true), delayStep(1230), keyStep(kUsageA, false)}));
  EXPECT_EQ(document_.steps[1].delayUnits(), 123);
  ASSERT_EQ(editor_.rows().size(), 3u);
  EXPECT_EQ(editor_.rows()[0], (MacroRow{u"A", kPressRowTag}));
  EXPECT_EQ(editor_.rows()[1], (MacroRow{u"1230 MS", kDelayRowTag}));
  EXPECT_EQ(editor_.rows()[2], (MacroRow{u"A", kReleaseRowTag}));
  EXPECT_EQ(editor_.selectedRow(), 2);

  // 5 ms apart: no delay step. Over 65535 ms: the longest storable delay.
  EXPECT_TRUE(key(kB, kPress, 101239));
  EXPECT_EQ(document_.steps[3], keyStep(kUsageB, true));
  EXPECT_TRUE(key(kB, kRelease, 101239 + 70000));
  EXPECT_EQ(document_.steps[4].delayUnits(), 6553);
  EXPECT_EQ(document_.count, 6);

  // The tick counter wraps after 49 days; the gap across it is still 20 ms.
  recorder_.startFresh(editor_);
  EXPECT_TRUE(key(kA, kPress, 0xFFFFFFF6u));
  EXPECT_TRUE(key(kA, kRelease, 10));
  EXPECT_EQ(document_.steps[1], delayStep(20));
}

TEST_F(MacroRecorderTest, HeldKeysRepeatsAndStrayFlagsAreDropped) {
  EXPECT_FALSE(key(kA, kPress, 10)) << "not recording";
  recorder_.startFresh(editor_);
  editor_.setDelayMode(DelayMode::None);
  EXPECT_TRUE(key(kA, kPress, 10));
  for (uint32_t t = 40; t < 400; t += 30) EXPECT_FALSE(key(kA, kPress, t));
  EXPECT_FALSE(key(kA, 0x10, 400)) << "flags the hook never sends";
  EXPECT_TRUE(key(kA, kRelease, 410));
  EXPECT_TRUE(key(kA, kPress, 420)) << "a new press after the release";
  EXPECT_EQ(steps(), (std::vector<MacroStep>{keyStep(kUsageA, true), keyStep(kUsageA, false), keyStep(kUsageA, true)}));

  // A key held when recording stopped is pressed again in the next recording.
  recorder_.stop();
  EXPECT_FALSE(key(kB, kPress, 500));
  recorder_.startFresh(editor_);
  EXPECT_TRUE(key(kA, kPress, 600));
  EXPECT_EQ(document_.count, 1);
}

TEST_F(MacroRecorderTest, FixedDelayMode) {
  recorder_.startFresh(editor_);
  editor_.setDelayMode(DelayMode::Fixed);
  editor_.setFixedDelayText(u"50");
  key(kA, kPress, 1000);
  key(kA, kRelease, 1003);
  key(kB, kPress, 9000);
  EXPECT_EQ(steps(), (std::vector<MacroStep>{keyStep(kUsageA, true), delayStep(50), keyStep(kUsageA, false),
                                             delayStep(50), keyStep(kUsageB, true)}));
  // A field below 10 ms is raised to 10.
  editor_.setFixedDelayText(u"3");
  key(kB, kRelease, 9100);
  EXPECT_EQ(editor_.fixedDelayText(), u"10");
  EXPECT_EQ(document_.steps[5], delayStep(10));
}

TEST_F(MacroRecorderTest, WindowsKeysAndKeysWithoutUsage) {
  recorder_.startFresh(editor_);
  editor_.setDelayMode(DelayMode::None);
  key(0x5B, kPress | 1, 0);
  key(0x5C, kRelease | 1, 0);
  key(0x10, kPress, 0);  // the generic Shift has no usage
  EXPECT_EQ(steps(), (std::vector<MacroStep>{keyStep(0xE3, true), keyStep(0xE7, false), keyStep(0, true)}));
  EXPECT_EQ(editor_.rows()[0].text, KeyCodeNames(kLeftWindowsKeyName, u""));
  EXPECT_EQ(editor_.rows()[1].text, KeyCodeNames(kRightWindowsKeyName, u""));
  EXPECT_NE(editor_.rows()[0].text, editor_.rows()[1].text);
}

TEST_F(MacroRecorderTest, InsertModeGoesAfterTheSelectedRowInOrder) {
  const MacroStep r0 = keyStep(0x1E, true), r1 = keyStep(0x1F, true), r2 = keyStep(0x20, true),
                  r3 = keyStep(0x21, true);
  for (const MacroStep& s : {r0, r1, r2, r3}) document_.steps[document_.count++] = s;
  editor_.show(MacroEditorView{macroRowsOf(document_, editor_.texts()), 1, false});
  recorder_.startInsert();
  EXPECT_TRUE(key(kA, kPress, 5000));   // first keystroke: no delay
  EXPECT_TRUE(key(kA, kRelease, 5100));
  EXPECT_EQ(steps(), (std::vector<MacroStep>{r0, r1, keyStep(kUsageA, true), delayStep(100), keyStep(kUsageA, false),
                                             r2, r3}));
  EXPECT_EQ(editor_.selectedRow(), 4);
  EXPECT_EQ(editor_.rows()[5], macroRowOf(r2, editor_.texts()));
}

TEST_F(MacroRecorderTest, AClickOnARowWhileRecordingMovesWhereTheKeysGo) {
  editor_.setDelayMode(DelayMode::None);
  EXPECT_FALSE(recorder_.placeAfter(editor_, 0)) << "not recording";
  recorder_.startFresh(editor_);
  key(kA, kPress, 0);
  key(kA, kRelease, 0);
  EXPECT_FALSE(recorder_.placeAfter(editor_, 2)) << "below the last row";
  EXPECT_EQ(editor_.selectedRow(), 1);
  EXPECT_TRUE(recorder_.placeAfter(editor_, 0));
  key(kB, kPress, 0);
  key(kB, kRelease, 0);
  EXPECT_EQ(steps(), (std::vector<MacroStep>{keyStep(kUsageA, true), keyStep(kUsageB, true), keyStep(kUsageB, false),
                                             keyStep(kUsageA, false)}));
  EXPECT_EQ(editor_.selectedRow(), 2) << "the highlight follows the keys";
}

// Space or Enter on Stop reaches the hook before the button: that press and the delay
// before it go again; anything else, a release of it included, stays.
TEST_F(MacroRecorderTest, TheKeyThatPressesStopIsNotPartOfTheMacro) {
  constexpr uint32_t kSpace = 0x20, kEnter = 0x0D;
  const MacroStep r0 = keyStep(0x1E, true), r1 = keyStep(0x1F, true);
  for (const MacroStep& s : {r0, r1}) document_.steps[document_.count++] = s;
  editor_.show(MacroEditorView{macroRowsOf(document_, editor_.texts()), 0, false});
  recorder_.startInsert();
  key(kA, kPress, 1000);
  key(kA, kRelease, 1100);
  key(kSpace, kPress, 1500);
  EXPECT_EQ(document_.count, 7);
  EXPECT_TRUE(recorder_.stopByKey(editor_, kSpace));
  EXPECT_FALSE(recorder_.active());
  EXPECT_EQ(steps(), (std::vector<MacroStep>{r0, keyStep(kUsageA, true), delayStep(100), keyStep(kUsageA, false), r1}));
  EXPECT_EQ(editor_.rows().size(), 5u);
  EXPECT_EQ(editor_.selectedRow(), 3) << "the last key that stays is marked";

  // Enter's press pressed Stop, but the last keystroke was another key: nothing goes.
  recorder_.startFresh(editor_);
  key(kEnter, kPress, 0);
  key(kEnter, kRelease, 50);
  EXPECT_FALSE(recorder_.stopByKey(editor_, kEnter));
  EXPECT_EQ(document_.count, 3);
  recorder_.startFresh(editor_);
  key(kB, kPress, 0);
  EXPECT_FALSE(recorder_.stopByKey(editor_, kSpace));
  EXPECT_EQ(document_.count, 1);
  EXPECT_FALSE(recorder_.stopByKey(editor_, kB)) << "no longer recording";
  EXPECT_EQ(document_.count, 1);
  // Space started the recording: its release is dropped, a later Space is a key like any.
  recorder_.startFresh(editor_);
  recorder_.skipReleaseOf(kSpace);
  EXPECT_FALSE(key(kSpace, kRelease, 0));
  EXPECT_TRUE(key(kSpace, kPress, 20));
  EXPECT_TRUE(key(kSpace, kRelease, 40));
  EXPECT_EQ(steps(), (std::vector<MacroStep>{keyStep(0x2C, true), delayStep(20), keyStep(0x2C, false)}));
  // The only keystroke of a fresh recording: the macro is empty again.
  recorder_.startFresh(editor_);
  key(kEnter, kPress, 0);
  EXPECT_TRUE(recorder_.stopByKey(editor_, kEnter));
  EXPECT_EQ(document_.count, 0);
  EXPECT_EQ(editor_.selectedRow(), -1);
}

TEST_F(MacroRecorderTest, TheLastTwoSlotsAreKeptForOneKeystroke) {
  recorder_.startFresh(editor_);
  editor_.setDelayMode(DelayMode::None);
  for (int i = 0; i < 57; ++i) ASSERT_TRUE(key(kA, i % 2 ? kRelease : kPress, 0));
  editor_.setDelayMode(DelayMode::Measured);
  EXPECT_TRUE(key(kB, kPress, 500));  // 57: a delay and the key
  EXPECT_EQ(document_.count, 59);
  EXPECT_FALSE(key(kB, kRelease, 900));
  EXPECT_EQ(document_.count, 59);

  recorder_.startFresh(editor_);
  editor_.setDelayMode(DelayMode::None);
  for (int i = 0; i < 58; ++i) ASSERT_TRUE(key(kA, i % 2 ? kRelease : kPress, 0));
  EXPECT_FALSE(key(kB, kPress, 0));
  EXPECT_EQ(document_.count, 58);
}

}  // namespace
}  // namespace ko
