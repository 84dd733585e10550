#include <gtest/gtest.h>

#include <limits>
#include "macro/macro_file.h"
#include "macro/macro_rows.h"
#include "macro_test_support.h"
#include "platform/profile_file.h"
#include "support/file_bytes.h"

namespace ko {
namespace {

MacroDocument documentOf(std::initializer_list<MacroStep> steps, Text loopText = u"0") {
  MacroDocument d;
  for (const MacroStep& s : steps) d.steps[d.count++] = s;
  d.loopText = std::move(loopText);
  return d;
}

TEST(MacroStep, DelaysAreStoredInTenMillisecondUnitsLowByteFirst) {
  EXPECT_EQ(delayStep(120), (MacroStep{6, 0x0C, 0x00}));
  EXPECT_EQ(delayStep(120).delayMs(), 120u);
  const MacroStep longest = delayStep(65530);
  EXPECT_EQ(longest, (MacroStep{6, 0x99, 0x19}));
  EXPECT_EQ(longest.delayUnits(), 6553);
  EXPECT_EQ(longest.delayMs(), 65530u);
  EXPECT_EQ(delayStep(7), (MacroStep{6, 0, 0})) << "below one unit";
  EXPECT_EQ(delayStep(10'000'000).delayUnits(), 0xFFFF) << "too long keeps the longest, never wraps";
}

TEST(MacroLoopText, LeadingDigitsGiveTheStoredValue) {
  EXPECT_EQ(loopTimeOf(u"12abc"), 12);
  EXPECT_EQ(loopTimeOf(u""), 0);
  EXPECT_EQ(loopTimeOf(u"x5"), 0);
  EXPECT_EQ(loopTimeOf(u"-5"), 0);
  EXPECT_EQ(loopTimeOf(u"99999999999999"), std::numeric_limits<int32_t>::max());
}

class MacroFileTest : public ::testing::Test {
 protected:
  test::MacroFolders folders_;
  Text path_ = folders_.macroFile(u"Fire");
  ProfileFile file_{path_};
};

TEST_F(MacroFileTest, SavesTheFourKeysAndReadsTheStepsBack) {
  const MacroDocument saved = documentOf(
      {keyStep(0x04, true), delayStep(120), keyStep(0x04, false), cursorMoveStep(0, -10)}, u"5 times");
  ASSERT_TRUE(SaveMacroFile(saved, path_));

  EXPECT_EQ(file_.readString(u"Setting", u"MacroFilePath"), path_);
  EXPECT_EQ(file_.readInt(u"Setting", u"Count", -1), 4);
  EXPECT_EQ(file_.readInt(u"Setting", u"LoopTime", -1), 5);
  const Text record = file_.readString(u"Setting", u"MacroSetting_0");
  EXPECT_EQ(record.size(), 2u * (180 + 1));
  EXPECT_EQ(record.substr(0, 12), u"840400060C00");
  EXPECT_EQ(file_.readString(u"Setting", u"MacroSetting_1", u"absent"), u"absent");

  MacroDocument loaded;
  EXPECT_EQ(LoadMacroFile(loaded, path_), 4);
  EXPECT_EQ(loaded.steps, saved.steps);
  EXPECT_EQ(loaded.count, 4);
}

TEST_F(MacroFileTest, TheKeysOfANewFileComeInTheirFixedOrder) {
  ASSERT_TRUE(SaveMacroFile(documentOf({delayStep(10)}), path_));
  std::string ascii;  // the engine may write UTF-16: keep the ASCII letters only
  for (char c : test::bytesOf(path_))
    if (c != '\0') ascii.push_back(c);
  const size_t section = ascii.find("[Setting]");
  const size_t filePath = ascii.find("MacroFilePath=");
  const size_t count = ascii.find("Count=1");
  const size_t loop = ascii.find("LoopTime=0");
  const size_t steps = ascii.find("MacroSetting_0=");
  ASSERT_NE(steps, std::string::npos) << test::visible(ascii);
  EXPECT_LT(section, filePath);
  EXPECT_LT(filePath, count);
  EXPECT_LT(count, loop);
  EXPECT_LT(loop, steps);
}

TEST_F(MacroFileTest, ACountThatLiesIsNotTrusted) {
  ASSERT_TRUE(SaveMacroFile(documentOf({keyStep(4, true), delayStep(50), keyStep(4, false), delayStep(50)}), path_));
  file_.writeInt(u"Setting", u"Count", 10);
  MacroDocument loaded;
  EXPECT_EQ(LoadMacroFile(loaded, path_), 4);
  file_.writeInt(u"Setting", u"Count", 0);
  EXPECT_EQ(LoadMacroFile(loaded, path_), 4);
}

TEST_F(MacroFileTest, AStepRecordThatFailsItsChecksumOrIsMissingGivesNoSteps) {
  ASSERT_TRUE(SaveMacroFile(documentOf({keyStep(4, true), keyStep(4, false)}), path_));
  Text record = file_.readString(u"Setting", u"MacroSetting_0");
  record.back() = record.back() == u'0' ? u'1' : u'0';
  file_.writeString(u"Setting", u"MacroSetting_0", record);

  MacroDocument loaded = documentOf({delayStep(10)});  // what was open before must go
  EXPECT_EQ(LoadMacroFile(loaded, path_), 0);
  EXPECT_EQ(loaded.count, 0);
  for (const MacroStep& s : loaded.steps) EXPECT_TRUE(s.isEmpty());

  file_.writeString(u"Setting", u"MacroSetting_0", record.substr(0, 100));
  EXPECT_EQ(LoadMacroFile(loaded, path_), 0);
  EXPECT_EQ(LoadMacroFile(loaded, folders_.macroFile(u"NoSuchMacro")), 0);
}

TEST_F(MacroFileTest, GapsAndUnknownKindsStayInTheirSlotsAndSaveBackByteForByte) {
  MacroDocument holes;
  holes.steps[0] = keyStep(0x04, true);
  holes.steps[2] = MacroStep{9, 7, 7};  // a kind the editor does not know
  holes.steps[5] = keyStep(0x04, false);
  holes.steps[41] = delayStep(30);
  holes.count = 60;
  ASSERT_TRUE(SaveMacroFile(holes, path_));
  const Text storedRecord = file_.readString(u"Setting", u"MacroSetting_0");

  MacroDocument loaded;
  EXPECT_EQ(LoadMacroFile(loaded, path_), 42) << "up to the last slot that holds anything";
  EXPECT_EQ(loaded.steps, holes.steps);

  // Row i is slot i: the gap and the unknown step are rows without text.
  const std::vector<MacroRow> rows = macroRowsOf(loaded, MacroStepTexts::from(test::testText));
  ASSERT_EQ(rows.size(), 42u);
  EXPECT_EQ(rows[1].text, u"");
  EXPECT_EQ(rows[2].text, u"");
  EXPECT_EQ(rows[5].tag, kReleaseRowTag);
  EXPECT_EQ(rows[41].text, u"30 MS");

  // Saving what was loaded (a loop-switch click does just that) changes no step byte.
  loaded.loopText = decimal(1);
  ASSERT_TRUE(SaveMacroFile(loaded, path_));
  EXPECT_EQ(file_.readString(u"Setting", u"MacroSetting_0"), storedRecord);
}

}  // namespace
}  // namespace ko
