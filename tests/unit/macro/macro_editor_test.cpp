#include <gtest/gtest.h>

#include "macro/macro_editor.h"
#include "macro_test_support.h"

namespace ko {
namespace {

using namespace mouse_action;

class MacroEditorTest : public ::testing::Test {
 protected:
  MacroEditorTest() : editor_(document_, MacroStepTexts::from(test::testText)) {}

  // Steps given as delays (milliseconds, kind 6) and key presses of the usage given.
  void fill(std::initializer_list<MacroStep> steps) {
    document_.clearSteps();
    for (const MacroStep& s : steps) document_.steps[document_.count++] = s;
    editor_.show(MacroEditorView{macroRowsOf(document_, editor_.texts()), -1, false});
  }
  std::vector<MacroStep> steps() const {
    return std::vector<MacroStep>(document_.steps.begin(), document_.steps.begin() + document_.count);
  }
  std::vector<Text> rowTexts() const {
    std::vector<Text> texts;
    for (const MacroRow& row : editor_.rows()) texts.push_back(row.text);
    return texts;
  }
  // The rows always describe the slots; every test checks it after its edits.
  void expectRowsMatchSlots() const {
    ASSERT_EQ(editor_.rows().size(), static_cast<size_t>(document_.count));
    for (int i = 0; i < document_.count; ++i)
      EXPECT_EQ(editor_.rows()[i], macroRowOf(document_.steps[i], editor_.texts())) << "row " << i;
    for (int i = document_.count; i < kMacroStepSlots; ++i) EXPECT_TRUE(document_.steps[i].isEmpty()) << "slot " << i;
  }

  MacroDocument document_;
  MacroEditor editor_;
};

const MacroStep kPressLeft = mouseButtonStep(kLeftButtonBit, true);
const MacroStep kReleaseLeft = mouseButtonStep(kLeftButtonBit, false);

TEST_F(MacroEditorTest, ClickInTheThreeDelayModesWithoutASelection) {
  editor_.insertMouseAction(kClick);
  EXPECT_EQ(steps(), (std::vector<MacroStep>{kPressLeft, delayStep(10), kReleaseLeft}));
  EXPECT_EQ(rowTexts(), (std::vector<Text>{u"CLICK", u"10 MS", u"CLICK"}));
  EXPECT_EQ(editor_.rows()[0].tag, kPressRowTag);
  EXPECT_EQ(editor_.rows()[2].tag, kReleaseRowTag);
  EXPECT_EQ(editor_.selectedRow(), 2);
  expectRowsMatchSlots();

  fill({});
  editor_.setDelayMode(DelayMode::Fixed);
  editor_.setFixedDelayText(u"5");
  editor_.insertMouseAction(kMenu);
  EXPECT_EQ(editor_.fixedDelayText(), u"10");
  EXPECT_EQ(steps(), (std::vector<MacroStep>{mouseButtonStep(kRightButtonBit, true), delayStep(10),
                                             mouseButtonStep(kRightButtonBit, false)}));

  fill({});
  editor_.setFixedDelayText(u"250");
  editor_.insertMouseAction(kMiddle);
  EXPECT_EQ(document_.steps[1], delayStep(250));
  EXPECT_EQ(editor_.fixedDelayText(), u"250");

  fill({});
  editor_.setDelayMode(DelayMode::None);
  editor_.insertMouseAction(kClick);
  EXPECT_EQ(steps(), (std::vector<MacroStep>{kPressLeft, kReleaseLeft}));
  expectRowsMatchSlots();
}

TEST_F(MacroEditorTest, ClickAfterASelectedRowKeepsItApartWithDelays) {
  const MacroStep a = keyStep(0x04, true);
  const MacroStep b = keyStep(0x05, true);
  // After a key row: a delay first, and none at the end.
  fill({a, b});
  editor_.select(0);
  editor_.insertMouseAction(kClick);
  EXPECT_EQ(steps(), (std::vector<MacroStep>{a, delayStep(10), kPressLeft, delayStep(10), kReleaseLeft, b}));
  EXPECT_EQ(editor_.selectedRow(), 4);

  // After a delay row: no leading delay, a trailing one.
  fill({a, delayStep(500), b});
  editor_.select(1);
  editor_.insertMouseAction(kClick);
  EXPECT_EQ(steps(), (std::vector<MacroStep>{a, delayStep(500), kPressLeft, delayStep(10), kReleaseLeft,
                                             delayStep(10), b}));
  EXPECT_EQ(editor_.selectedRow(), 5);

  // Mode 2 after a delay row: exactly the press and the release, right after it.
  fill({a, delayStep(500), b});
  editor_.setDelayMode(DelayMode::None);
  editor_.select(1);
  editor_.insertMouseAction(kClick);
  EXPECT_EQ(steps(), (std::vector<MacroStep>{a, delayStep(500), kPressLeft, kReleaseLeft, b}));
  EXPECT_EQ(editor_.selectedRow(), 3);
  expectRowsMatchSlots();
}

TEST_F(MacroEditorTest, CursorMovesAppendedAloneOrWithDelaysAfterARow) {
  editor_.insertMouseAction(kMoveLeft);
  EXPECT_EQ(steps(), (std::vector<MacroStep>{cursorMoveStep(-10, 0)}));
  EXPECT_EQ(editor_.rows()[0], (MacroRow{u"MOVELEFT : 10", kCursorMoveRowTag}));
  EXPECT_EQ(editor_.selectedRow(), 0);

  editor_.insertMouseAction(kMoveUp);  // after the move row, which is not a delay
  EXPECT_EQ(steps(), (std::vector<MacroStep>{cursorMoveStep(-10, 0), delayStep(10), cursorMoveStep(0, -10),
                                             delayStep(10)}));
  EXPECT_EQ(editor_.selectedRow(), 3);
  editor_.insertMouseAction(kMoveDown);  // after a delay: the move and its delay
  EXPECT_EQ(document_.steps[4], cursorMoveStep(0, 10));
  EXPECT_EQ(document_.count, 6);
  expectRowsMatchSlots();
}

TEST_F(MacroEditorTest, MouseActionsStopShortOfTheCapacity) {
  std::vector<MacroStep> many(55, keyStep(0x04, true));
  document_.clearSteps();
  for (const MacroStep& s : many) document_.steps[document_.count++] = s;
  editor_.show(MacroEditorView{macroRowsOf(document_, editor_.texts()), 54, false});
  EXPECT_TRUE(editor_.insertMouseAction(kClick));  // 55 + delay, press, delay, release
  EXPECT_EQ(document_.count, 59);
  EXPECT_FALSE(editor_.insertMouseAction(kMoveRight));
  EXPECT_FALSE(editor_.insertMouseAction(12345));
  EXPECT_EQ(document_.count, 59);
  expectRowsMatchSlots();
}

TEST_F(MacroEditorTest, CutRowTwoAndPasteAfterRowZero) {
  const std::vector<MacroStep> five = {keyStep(1, true), keyStep(2, true), keyStep(3, true), keyStep(4, true),
                                       keyStep(5, true)};
  fill({five[0], five[1], five[2], five[3], five[4]});
  EXPECT_FALSE(editor_.paste()) << "nothing was copied yet";
  editor_.select(2);
  ASSERT_TRUE(editor_.cutSelected());
  EXPECT_EQ(document_.count, 4);
  EXPECT_TRUE(document_.steps[4].isEmpty());
  editor_.select(0);
  ASSERT_TRUE(editor_.paste());
  EXPECT_EQ(steps(), (std::vector<MacroStep>{five[0], five[2], five[1], five[3], five[4]}));
  EXPECT_EQ(editor_.selectedRow(), 1);
  expectRowsMatchSlots();

  // Copy leaves the steps and pastes again; a full macro takes no paste.
  editor_.select(4);
  EXPECT_FALSE(editor_.copySelected());
  EXPECT_EQ(document_.count, 5);
  while (document_.count < kMacroStepSlots) ASSERT_TRUE(editor_.paste());
  EXPECT_EQ(document_.steps[59], five[4]);
  EXPECT_FALSE(editor_.paste());
  expectRowsMatchSlots();
}

TEST_F(MacroEditorTest, MoveAndDeleteFollowTheSelection) {
  const MacroStep a = keyStep(1, true), b = keyStep(2, true), c = keyStep(3, true);
  fill({a, b, c});
  EXPECT_FALSE(editor_.moveSelectedUp()) << "no row selected";
  EXPECT_FALSE(editor_.deleteSelected());
  EXPECT_FALSE(editor_.cutSelected());
  editor_.select(0);
  EXPECT_FALSE(editor_.moveSelectedUp());
  EXPECT_TRUE(editor_.moveSelectedDown());
  EXPECT_EQ(steps(), (std::vector<MacroStep>{b, a, c}));
  EXPECT_EQ(editor_.selectedRow(), 1);
  EXPECT_TRUE(editor_.moveSelectedDown());
  EXPECT_FALSE(editor_.moveSelectedDown());
  EXPECT_EQ(steps(), (std::vector<MacroStep>{b, c, a}));

  EXPECT_TRUE(editor_.deleteSelected());  // the last row: the new last is selected
  EXPECT_EQ(steps(), (std::vector<MacroStep>{b, c}));
  EXPECT_EQ(editor_.selectedRow(), 1);
  editor_.select(0);
  EXPECT_TRUE(editor_.deleteSelected());  // same position
  EXPECT_EQ(editor_.selectedRow(), 0);
  EXPECT_TRUE(editor_.deleteSelected());
  EXPECT_EQ(editor_.selectedRow(), -1);
  EXPECT_EQ(document_.count, 0);
  expectRowsMatchSlots();
}

TEST_F(MacroEditorTest, AViewKeptFromAnEarlierLoadNeverPutsRowsAgainstOtherSlots) {
  // What the page held when the macro was loaded, then edits, then the same view shown
  // again (as happened after a rename): rows must describe the slots as they are now.
  const MacroStep a = keyStep(1, true), b = keyStep(2, true), c = delayStep(50);
  fill({a, b, c});
  const MacroEditorView loaded{macroRowsOf(document_, editor_.texts()), 2, true};
  editor_.select(0);
  ASSERT_TRUE(editor_.moveSelectedDown());
  editor_.select(2);
  ASSERT_TRUE(editor_.setDelay(2, 70));
  editor_.show(loaded);
  expectRowsMatchSlots();
  EXPECT_EQ(rowTexts()[2], u"70 MS");
  EXPECT_EQ(editor_.rows()[0], macroRowOf(b, editor_.texts()));
  // The next cut takes the step the user sees in the selected row.
  editor_.select(0);
  ASSERT_TRUE(editor_.cutSelected());
  EXPECT_EQ(steps(), (std::vector<MacroStep>{a, delayStep(70)}));
}

TEST_F(MacroEditorTest, EditsAfterAStepOfUnknownKindLandOnTheRowsOwnSlot) {
  const MacroStep unknown{9, 1, 2};
  const MacroStep a = keyStep(1, true), b = keyStep(2, true);
  document_.clearSteps();
  document_.steps[0] = a;
  document_.steps[1] = unknown;
  document_.steps[3] = b;  // slot 2 stays empty
  document_.count = 4;
  editor_.show(MacroEditorView{});
  ASSERT_EQ(editor_.rows().size(), 4u);
  editor_.select(3);
  ASSERT_TRUE(editor_.moveSelectedUp());
  EXPECT_EQ(steps(), (std::vector<MacroStep>{a, unknown, b, MacroStep{0, 0, 0}}));
  editor_.select(0);
  ASSERT_TRUE(editor_.deleteSelected());
  EXPECT_EQ(document_.steps[0], unknown) << "the unknown step moves with its row, it is not dropped";
  EXPECT_EQ(document_.steps[1], b);
  EXPECT_EQ(editor_.rows()[1], macroRowOf(b, editor_.texts()));
}

TEST_F(MacroEditorTest, DelaysAndDisplacementsEditedInPlace) {
  fill({keyStep(4, true), delayStep(120), cursorMoveStep(-10, 0), cursorMoveStep(3, -20)});
  EXPECT_EQ(editor_.delayOf(1), 120);
  EXPECT_FALSE(editor_.delayOf(0));
  EXPECT_FALSE(editor_.setDelay(2, 50)) << "not a delay row";

  ASSERT_TRUE(editor_.setDelay(1, 7));
  EXPECT_EQ(document_.steps[1].delayUnits(), 0);
  EXPECT_EQ(editor_.rows()[1].text, u"0 MS") << "the row shows what is stored";
  ASSERT_TRUE(editor_.setDelay(1, 131070));
  EXPECT_EQ(document_.steps[1].delayUnits(), 13107);
  EXPECT_EQ(editor_.selectedRow(), 1);

  const std::optional<Displacement> left = editor_.displacementOf(2);
  ASSERT_TRUE(left);
  EXPECT_EQ(left->direction, u"MOVELEFT");
  EXPECT_EQ(left->magnitude, 10);
  ASSERT_TRUE(editor_.setDisplacement(2, 120));
  EXPECT_EQ(document_.steps[2].dx(), -120);
  EXPECT_EQ(editor_.rows()[2], (MacroRow{u"MOVELEFT : 120", kCursorMoveRowTag}));

  // A move with both bytes moves vertically; only that byte changes.
  EXPECT_EQ(editor_.displacementOf(3)->direction, u"MOVEUP");
  ASSERT_TRUE(editor_.setDisplacement(3, 500));
  EXPECT_EQ(document_.steps[3], cursorMoveStep(3, -120));
  EXPECT_FALSE(editor_.setDisplacement(1, 5)) << "not a move row";
  expectRowsMatchSlots();
}

TEST_F(MacroEditorTest, LoopSwitchAndField) {
  EXPECT_FALSE(editor_.looping());
  editor_.toggleLoop();
  EXPECT_TRUE(editor_.looping());
  EXPECT_EQ(document_.loopText, u"1");
  Text shown;
  EXPECT_TRUE(editor_.loopFieldTyped(u"300", shown));
  EXPECT_EQ(shown, u"255");
  EXPECT_EQ(loopTimeOf(document_.loopText), 255);
  EXPECT_FALSE(editor_.loopFieldTyped(u"42", shown));
  EXPECT_EQ(document_.loopText, u"42");
  editor_.toggleLoop();
  EXPECT_EQ(document_.loopText, u"0");
}

TEST(PopupValueTest, KeepsTheFieldWithinOneAndTheMaximum) {
  EXPECT_EQ(popupValueOf(u"0", 120).value, 1);
  EXPECT_TRUE(popupValueOf(u"0", 120).replaceText);
  EXPECT_EQ(popupValueOf(u"121", 120).value, 120);
  EXPECT_TRUE(popupValueOf(u"121", 120).replaceText);
  EXPECT_EQ(popupValueOf(u"999999", kMaxEditedDelayMs).value, kMaxEditedDelayMs);
  EXPECT_EQ(popupValueOf(u"007", 120).value, 7);
  EXPECT_TRUE(popupValueOf(u"007", 120).replaceText) << "the field shows the value it holds";
  EXPECT_FALSE(popupValueOf(u"45", 120).replaceText);
  EXPECT_EQ(popupValueOf(u"", 120).value, 1);
  EXPECT_FALSE(popupValueOf(u"", 120).replaceText) << "emptied to type a new value";
}

}  // namespace
}  // namespace ko
