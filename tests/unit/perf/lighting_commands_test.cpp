// The lighting page's rules: modes and directions, the effect switch, the sliders, the
// colour, and what a lighting report of the mouse shows afterwards.
#include <gtest/gtest.h>

#include "perf/lighting_commands.h"
#include "settings/service_events.h"
#include "unit/perf/perf_test_support.h"

namespace ko {
namespace {


class RecordingLightingView final : public LightingView {
 public:
  void showLightOn(bool on) override { lightOn = on ? 1 : 0; }
  void showModeCaption(const Text& caption) override { mode = toUtf8(caption); }
  void enableDirection(bool enabled) override { direction = enabled ? 1 : 0; }
  void showDirectionCaption(const Text& caption) override { directionCaption = toUtf8(caption); }
  void showEffect(bool on, int32_t param) override {
    effectOn = on;
    effectParam = param;
  }
  void showLevel(int32_t l, const Text& text) override {
    level = l;
    levelText = toUtf8(text);
  }
  int lightOn = -1, direction = -1;
  std::string mode = "<unset>", directionCaption = "<unset>", levelText;
  bool effectOn = false;
  int32_t effectParam = -1, level = -1;
};

Text FakeText(TextView key) { return u"<" + Text(key) + u">"; }

class LightingTest : public ::testing::Test {
 protected:
  test::PerfSettings disk;
  ServiceRecorder& service = disk.service;
  SettingsRecord* working = &disk.working;
  RecordingLightingView view;
  LightingCommands commands{disk.store, view, FakeText};

  std::string fileValue(const char16_t* key) { return disk.value(key); }
  void expectOneLightingNotice() {
    ASSERT_EQ(service.messages().size(), 1u);
    EXPECT_EQ(service.messages()[0].message, 1227u);
    EXPECT_FALSE(service.messages()[0].posted);
    service.clear();
  }
};

TEST(LightingTexts, LevelTextsAndMenus) {
  const char* texts[] = {"0", "0", "20", "40", "60", "80", "100", "0"};
  for (int level = 0; level <= 7; ++level) EXPECT_EQ(toUtf8(LevelText(level)), texts[level]) << level;
  EXPECT_EQ(toUtf8(LevelText(-1)), "0");
  const auto modes = ModeMenuEntries();
  ASSERT_EQ(modes.size(), 4u) << "modes 5 and 6 are never offered";
  EXPECT_EQ(modes[0].command, 40005);
  EXPECT_EQ(toUtf8(modes[3].textKey), "LEDMODE4");
  EXPECT_EQ(modes[3].command, 40008);
  const auto wave = DirectionMenuEntries(2);
  ASSERT_EQ(wave.size(), 2u);
  EXPECT_EQ(wave[0].command, 40011);
  EXPECT_EQ(wave[1].command, 40012);
  const auto spin = DirectionMenuEntries(5);
  ASSERT_EQ(spin.size(), 2u);
  EXPECT_EQ(toUtf8(spin[0].textKey), "LEDMODEDIR3");
  EXPECT_EQ(spin[1].command, 40014);
  EXPECT_TRUE(DirectionMenuEntries(3).empty());
}

TEST_F(LightingTest, ShowingTheFactoryRecord) {
  commands.showAll();
  EXPECT_EQ(view.lightOn, 1);
  EXPECT_EQ(view.mode, "<LEDMODE3>");
  EXPECT_EQ(view.direction, 0);
  EXPECT_EQ(view.directionCaption, "");
  EXPECT_TRUE(view.effectOn);
  EXPECT_EQ(view.effectParam, 9);
  EXPECT_EQ(view.level, 4);
  EXPECT_EQ(view.levelText, "60");
  EXPECT_TRUE(service.messages().empty());
}

TEST_F(LightingTest, StoredModesBeyondTheMenuAndUnknownValues) {
  working->LedMode = 5;
  working->LED_MODE_INFO[0].direction = 4;
  commands.showAll();
  EXPECT_EQ(view.mode, "<LEDMODE5>");
  EXPECT_EQ(view.direction, 1);
  EXPECT_EQ(view.directionCaption, "<LEDMODEDIR4>");
  // An unknown mode and on/off state leave the buttons as they were.
  RecordingLightingView fresh;
  LightingCommands other{disk.store, fresh, FakeText};
  working->LedMode = 9;
  working->LedStateOn = -1;
  other.showAll();
  EXPECT_EQ(fresh.mode, "");
  EXPECT_EQ(fresh.direction, -1);
  EXPECT_EQ(fresh.directionCaption, "<unset>");
  EXPECT_EQ(fresh.lightOn, -1);
}

TEST_F(LightingTest, ModeMenuChoicesAndDirections) {
  commands.menuChoice(40007);
  EXPECT_EQ(working->LedMode, 3);
  EXPECT_EQ(view.direction, 0);
  expectOneLightingNotice();
  commands.menuChoice(40006);
  EXPECT_EQ(working->LedMode, 2);
  EXPECT_EQ(view.direction, 1);
  EXPECT_EQ(view.mode, "<LEDMODE2>");
  EXPECT_EQ(fileValue(u"LedMode"), "2");
  expectOneLightingNotice();
  commands.menuChoice(40012);
  EXPECT_EQ(working->LED_MODE_INFO[0].direction, 2);
  EXPECT_EQ(working->LedMode, 2);
  EXPECT_EQ(view.directionCaption, "<LEDMODEDIR2>");
  expectOneLightingNotice();
  // Any command that is neither a listed mode nor a direction selects mode 1.
  commands.menuChoice(12345);
  EXPECT_EQ(working->LedMode, 1);
  commands.menuChoice(40010);
  EXPECT_EQ(working->LedMode, 6);
}

TEST_F(LightingTest, OnOffEffectAndSliders) {
  commands.lightOn(false);
  EXPECT_EQ(working->LedStateOn, 0);
  EXPECT_EQ(view.lightOn, 0);
  EXPECT_EQ(fileValue(u"LedStateOn"), "0");
  expectOneLightingNotice();

  commands.effectSwitchClicked();  // 9 -> off
  EXPECT_EQ(working->LED_MODE_INFO[0].effectParam, 0);
  EXPECT_FALSE(view.effectOn);
  commands.effectSwitchClicked();  // off -> 3
  EXPECT_EQ(working->LED_MODE_INFO[0].effectParam, 3);
  EXPECT_TRUE(view.effectOn);
  EXPECT_EQ(view.effectParam, 3);
  EXPECT_EQ(service.messages().size(), 2u);
  service.clear();

  EXPECT_TRUE(commands.sliderMoved(6, lighting_slider::kLevel));
  EXPECT_EQ(working->LED_MODE_INFO[0].level, 6);
  EXPECT_EQ(view.levelText, "100");
  expectOneLightingNotice();
  EXPECT_TRUE(commands.sliderMoved(7, lighting_slider::kEffect));
  EXPECT_EQ(working->LED_MODE_INFO[0].effectParam, 7);
  EXPECT_FALSE(commands.sliderMoved(7, 10001));
  EXPECT_EQ(working->LED_MODE_INFO[1].effectParam, 9) << "only the first record is edited";
  // The stored record is the first one.
  LedModeInfo stored{};
  ASSERT_TRUE(disk.readStruct(u"Setting", u"LED_MODE_INFO1", &stored, sizeof stored));
  EXPECT_EQ(stored.effectParam, 7);
  EXPECT_EQ(stored.level, 6);
}

TEST_F(LightingTest, ColourFromThePickerIsStoredAndAnnounced) {
  commands.colourPicked(0x00336699);
  EXPECT_EQ(working->LedColor, 0x00336699);
  EXPECT_EQ(fileValue(u"LedColor"), std::to_string(0x00336699));
  expectOneLightingNotice();
  service.setRunning(false);
  commands.colourPicked(0x10);
  EXPECT_EQ(fileValue(u"LedColor"), "16");
  EXPECT_TRUE(service.messages().empty());
}

TEST_F(LightingTest, LightingCodeSixteenTurnsTheLightOffInModeTwo) {
  const LightingReport report = lightingFromDevice(16);
  working->LedMode = report.ledMode;
  working->LedStateOn = report.ledStateOn;
  commands.showAll();
  EXPECT_EQ(view.lightOn, 0);
  EXPECT_EQ(view.mode, "<LEDMODE2>");
  EXPECT_EQ(view.direction, 1);
}

}  // namespace
}  // namespace ko
