#include <gtest/gtest.h>

#include "macro/macro_file.h"
#include "macro/macro_rows.h"
#include "macro_test_support.h"
#include "platform/profile_file.h"
#include "skin/list_rules.h"

namespace ko {
namespace {

const MacroStepTexts kTexts = MacroStepTexts::from(test::testText);

TEST(MacroRows, EachKindHasItsTextAndTag) {
  EXPECT_EQ(macroRowOf(delayStep(120), kTexts), (MacroRow{u"120 MS", kDelayRowTag}));
  EXPECT_EQ(macroRowOf(delayStep(65530), kTexts), (MacroRow{u"65530 MS", kDelayRowTag}));
  EXPECT_EQ(macroRowOf(keyStep(0x04, true), kTexts), (MacroRow{u"A", kPressRowTag}));
  EXPECT_EQ(macroRowOf(keyStep(0x28, false), kTexts), (MacroRow{u"Enter", kReleaseRowTag}));
  EXPECT_EQ(macroRowOf(keyStep(0xE1, true), kTexts), (MacroRow{u"Shift", kPressRowTag}));
  EXPECT_EQ(macroRowOf(keyStep(0x00, true), kTexts), (MacroRow{u"", kPressRowTag})) << "no such usage";
  EXPECT_EQ(macroRowOf(mouseButtonStep(kLeftButtonBit, true), kTexts), (MacroRow{u"CLICK", kPressRowTag}));
  EXPECT_EQ(macroRowOf(mouseButtonStep(kRightButtonBit, false), kTexts), (MacroRow{u"MENU", kReleaseRowTag}));
  EXPECT_EQ(macroRowOf(mouseButtonStep(kMiddleButtonBit, true), kTexts), (MacroRow{u"MIDDLE", kPressRowTag}));
}

// The step list draws its picture from the row's tag: a press row must get the press arrow.
TEST(MacroRows, PressAndReleaseRowsGetTheListsPressAndReleasePictures) {
  EXPECT_EQ(macroRowOf(keyStep(0x04, true), kTexts).tag, static_cast<uint32_t>(kKeyPressIcon));
  EXPECT_EQ(macroRowOf(keyStep(0x04, false), kTexts).tag, static_cast<uint32_t>(kKeyReleaseIcon));
}

TEST(MacroRows, ACursorMoveShowsItsVerticalDirectionFirst) {
  EXPECT_EQ(macroRowOf(cursorMoveStep(-10, 0), kTexts), (MacroRow{u"MOVELEFT : 10", kCursorMoveRowTag}));
  EXPECT_EQ(macroRowOf(cursorMoveStep(10, 0), kTexts).text, u"MOVERIGHT : 10");
  EXPECT_EQ(macroRowOf(cursorMoveStep(5, -3), kTexts).text, u"MOVEUP : 3");
  EXPECT_EQ(macroRowOf(cursorMoveStep(-5, 120), kTexts).text, u"MOVEDOWN : 120");
  EXPECT_EQ(macroRowOf(cursorMoveStep(-128, 0), kTexts).text, u"MOVELEFT : 128");
  EXPECT_EQ(macroRowOf(cursorMoveStep(0, 0), kTexts).text, u"MOVERIGHT : 0");
}

class MacroEditorLoadTest : public ::testing::Test {
 protected:
  void save(std::initializer_list<MacroStep> steps, int32_t loopTime) {
    MacroDocument d;
    for (const MacroStep& s : steps) d.steps[d.count++] = s;
    d.loopText = decimal(loopTime);
    ASSERT_TRUE(SaveMacroFile(d, path_));
    ProfileFile(path_).writeInt(u"Setting", u"LoopTime", loopTime);  // also values the field refuses
  }
  test::MacroFolders folders_;
  Text path_ = folders_.macroFile(u"Fire");
};

TEST_F(MacroEditorLoadTest, RowsMatchTheCountAndTheLastRowIsSelected) {
  save({mouseButtonStep(1, true), delayStep(10), mouseButtonStep(1, false)}, 0);
  MacroDocument doc;
  doc.loopText = u"9";
  const MacroEditorView view = LoadMacroIntoEditor(doc, path_, kTexts);
  ASSERT_EQ(view.rows.size(), 3u);
  EXPECT_EQ(doc.count, 3);
  EXPECT_EQ(view.rows[1], (MacroRow{u"10 MS", kDelayRowTag}));
  EXPECT_EQ(view.rows[2], (MacroRow{u"CLICK", kReleaseRowTag}));
  EXPECT_EQ(view.selectedRow, 2);
  EXPECT_FALSE(view.looping);
  EXPECT_EQ(doc.loopText, u"0");
}

TEST_F(MacroEditorLoadTest, LoopTimeSetsTheLoopSwitchWithinTheFieldsRange) {
  for (const auto& [stored, looping, text] : {std::tuple{7, true, u"7"}, std::tuple{255, true, u"255"},
                                              std::tuple{300, true, u"255"}, std::tuple{-4, false, u"0"}}) {
    save({delayStep(10)}, stored);
    MacroDocument doc;
    const MacroEditorView view = LoadMacroIntoEditor(doc, path_, kTexts);
    EXPECT_EQ(view.looping, looping) << stored;
    EXPECT_EQ(doc.loopText, text) << stored;
  }
}

TEST_F(MacroEditorLoadTest, AMissingFileIsAnEmptyMacroWithLoopingOff) {
  MacroDocument doc;
  doc.loopText = u"3";
  doc.steps[0] = delayStep(10);
  doc.count = 1;
  const MacroEditorView view = LoadMacroIntoEditor(doc, folders_.macroFile(u"Gone"), kTexts);
  EXPECT_TRUE(view.rows.empty());
  EXPECT_EQ(view.selectedRow, -1);
  EXPECT_EQ(doc.count, 0);
  EXPECT_FALSE(view.looping);
  EXPECT_EQ(doc.loopText, u"0");
}

}  // namespace
}  // namespace ko
