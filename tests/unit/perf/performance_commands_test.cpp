// The DPI stages, acceleration, polling rate and pointer values: what each command does to
// the record, the file and the service, and what the page is told to show.
#include <gtest/gtest.h>

#include <map>
#include "perf/dpi_levels.h"
#include "perf/performance_commands.h"
#include "perf/pointer_values.h"
#include "perf/slider_report_filter.h"
#include "unit/perf/perf_test_support.h"

namespace ko {
namespace {


class RecordingPerformanceView final : public PerformanceView {
 public:
  void showStageCaption(int stage, const Text& caption) override { captions[stage] = toUtf8(caption); ++captionCalls; }
  void showActiveStage(int32_t stage) override { activeStage = stage; }
  void showSeparateAxes(bool on) override { separate = on; }
  void setSlider(int id, int32_t position) override { sliders[id] = position; }
  void showAxisSliders(bool axes) override { axisSliders = axes; }
  void showAccelerationEnabled(bool on) override { acceleration = on; }
  void showPollingRate(int32_t rate) override { pollingRate = rate; }
  void showPointerValue(PointerValue which, const Text& text) override { pointer[int(which)] = toUtf8(text); }

  std::map<int, std::string> captions;
  int captionCalls = 0;
  int32_t activeStage = -99;
  bool separate = true, axisSliders = true, acceleration = false;
  std::map<int, int32_t> sliders;
  int32_t pollingRate = 0;
  std::string pointer[2];
};

class PerformanceTest : public ::testing::Test {
 protected:
  std::string fileValue(const char16_t* key) { return disk.value(key); }
  DpiInfo storedStage(int number) {
    DpiInfo info{};
    EXPECT_TRUE(disk.readStruct(u"Setting", u"DPI_INFO" + decimal(number), &info, sizeof info));
    return info;
  }

  test::PerfSettings disk;
  ServiceRecorder& service = disk.service;
  SettingsRecord* working = &disk.working;
  RecordingPerformanceView view;
  PerformanceCommands commands{disk.store, view, u"Stage"};
};

TEST(DpiLevels, ScaleAndCaption) {
  EXPECT_EQ(DpiForLevel(1), 250);
  EXPECT_EQ(DpiForLevel(8), 2000);
  EXPECT_EQ(DpiForLevel(9), 2500);
  EXPECT_EQ(DpiForLevel(12), 4000);
  // Stored values outside the scale are shown by the same rule, not limited.
  EXPECT_EQ(DpiForLevel(0), 0);
  EXPECT_EQ(DpiForLevel(-1), -250);
  EXPECT_EQ(DpiForLevel(13), 4500);
  EXPECT_EQ(DpiForLevel(INT32_MAX), INT32_MAX);
  EXPECT_EQ(LimitLevel(0), 1);
  EXPECT_EQ(LimitLevel(13), 12);
  EXPECT_EQ(toUtf8(StageCaption(u"Stage", 2, 1750, 2000)), "Stage 3\r\n1750\r\n2000");
}

TEST_F(PerformanceTest, ShowingTheRecordSetsEveryControl) {
  working->DPI = 2;
  working->AccelerationEnabled = 1;
  working->Acceleration = 7;
  working->PollingRate = 4;
  commands.showAll();
  EXPECT_EQ(view.activeStage, 2);
  EXPECT_EQ(view.captions[0], "Stage 1\r\n750\r\n750");
  EXPECT_EQ(view.captions[5], "Stage 6\r\n4000\r\n4000");
  EXPECT_EQ(view.sliders[perf_slider::kLevel], 7);
  EXPECT_EQ(view.sliders[perf_slider::kAcceleration], 7);
  EXPECT_FALSE(view.axisSliders);
  EXPECT_FALSE(view.separate);
  EXPECT_TRUE(view.acceleration);
  EXPECT_EQ(view.pollingRate, 4);
  EXPECT_EQ(view.pointer[0], "12");
  EXPECT_EQ(view.pointer[1], "1");
  EXPECT_EQ(disk.saves, 0) << "showing stores nothing";
}

TEST_F(PerformanceTest, LevelSliderChangesTheActiveStageAndTellsTheService) {
  commands.chooseStage(3);
  service.clear();
  view.captions.clear();
  ASSERT_TRUE(commands.sliderMoved(9, perf_slider::kLevel));
  EXPECT_EQ(view.captions.size(), 1u) << "only the active stage's caption changes";
  EXPECT_EQ(view.captions[3], "Stage 4\r\n2500\r\n2500");
  EXPECT_EQ(view.sliders[perf_slider::kLevel], 9);
  EXPECT_EQ(working->DPI_INFO[3].level, 9);
  EXPECT_EQ(storedStage(4).level, 9) << "the fourth record, key DPI_INFO4";
  EXPECT_EQ(storedStage(3).level, 7);
  ASSERT_EQ(service.messages().size(), 1u);
  EXPECT_EQ(service.messages()[0].message, 1302u);
  EXPECT_EQ(service.messages()[0].wParam, 3u);
  EXPECT_NE(service.messages()[0].snapshot.find("DPI_INFO4=00000000090000000800000008000000"), std::string::npos)
      << "the file was saved before the service was told";

  // Positions beyond the scale are stored limited; the slider keeps what it reported.
  commands.sliderMoved(0, perf_slider::kLevel);
  EXPECT_EQ(working->DPI_INFO[3].level, 1);
  EXPECT_EQ(view.sliders[perf_slider::kLevel], 0);
}

TEST_F(PerformanceTest, RepeatedSliderReportsUpdateOnce) {
  // The window's filter in front of the page, as the main window applies it.
  SliderReportFilter filter;
  auto report = [&](int position, int id) {
    if (!filter.isRepeat(position, id)) commands.sliderMoved(position, id);
  };
  report(5, perf_slider::kLevel);
  report(5, perf_slider::kLevel);
  EXPECT_EQ(disk.saves, 1);
  EXPECT_EQ(service.messages().size(), 1u);
  // The same position from another slider is a new report.
  report(5, perf_slider::kAcceleration);
  EXPECT_EQ(disk.saves, 2);
  EXPECT_EQ(working->Acceleration, 5);
  EXPECT_EQ(service.messages().back().message, 1297u);
  EXPECT_EQ(service.messages().back().wParam, 255u);
  EXPECT_EQ(service.messages().back().lParam, 255);
  // A click in between (here: another stage) ends the run: the same level is new there.
  const int savesBefore = disk.saves;
  commands.chooseStage(3);
  filter.forget();
  report(5, perf_slider::kAcceleration);
  report(5, perf_slider::kLevel);
  report(5, perf_slider::kLevel);
  EXPECT_EQ(working->DPI_INFO[3].level, 5);
  EXPECT_EQ(disk.saves, savesBefore + 3) << "the stage, the acceleration again, the level once";
  // The filter starts from (0, 0): a first report of position 0 with id 0 is a repeat.
  SliderReportFilter fresh;
  EXPECT_TRUE(fresh.isRepeat(0, 0));
  EXPECT_FALSE(fresh.isRepeat(0, perf_slider::kLevel));
}

TEST_F(PerformanceTest, SeparateAxesCaptionsShowBothAxes) {
  working->DPI = 1;
  working->DPI_INFO[1] = DpiInfo{1, 5, 4, 12};
  commands.sliderMoved(12, perf_slider::kLevelY);
  EXPECT_EQ(view.captions[1], "Stage 2\r\n1000\r\n4000");
  EXPECT_EQ(view.sliders[perf_slider::kLevelY], 12);
  EXPECT_EQ(service.messages().back().message, 1302u);
  // Without separate axes the axis sliders still store, but the caption shows the level.
  working->DPI_INFO[1].separate = 0;
  commands.sliderMoved(2, perf_slider::kLevelX);
  EXPECT_EQ(working->DPI_INFO[1].levelX, 2);
  EXPECT_EQ(view.captions[1], "Stage 2\r\n1250\r\n1250");

  // The box turns separate axes off, shows the level slider and tells nobody.
  working->DPI_INFO[1].separate = 1;
  service.clear();
  commands.separateAxesClicked();
  EXPECT_EQ(working->DPI_INFO[1].separate, 0);
  EXPECT_EQ(storedStage(2).separate, 0);
  EXPECT_FALSE(view.separate);
  EXPECT_FALSE(view.axisSliders);
  EXPECT_TRUE(service.messages().empty());
}

TEST_F(PerformanceTest, StageButtonsSetTheStageInTheSettingsAndTheProfile) {
  working->Profile = 2;
  commands.chooseStage(4);
  EXPECT_EQ(working->DPI, 4);
  EXPECT_EQ(working->Profiles[2].DPI, 4);
  EXPECT_EQ(working->Profiles[0].DPI, 1);
  EXPECT_EQ(view.activeStage, 4);
  EXPECT_EQ(view.captions.size(), 6u);
  EXPECT_EQ(fileValue(u"DPI"), "4");
  ASSERT_EQ(service.messages().size(), 1u);
  EXPECT_EQ(service.messages()[0].message, 1297u);
  EXPECT_EQ(service.messages()[0].wParam, 0u);
}

TEST_F(PerformanceTest, AnUnsetActiveStageLeavesTheStagesAlone) {
  working->DPI = -1;
  commands.showAll();
  EXPECT_EQ(view.activeStage, -1);
  EXPECT_EQ(view.sliders[perf_slider::kLevel], 1);
  EXPECT_TRUE(commands.sliderMoved(6, perf_slider::kLevel));
  EXPECT_EQ(disk.saves, 0);
  EXPECT_EQ(working->DPI_INFO[0].level, 3);
  EXPECT_FALSE(commands.sliderMoved(6, 10008)) << "the lighting page's slider";
}

TEST_F(PerformanceTest, AccelerationSwitchToggles) {
  working->AccelerationEnabled = -1;
  commands.accelerationSwitchClicked();
  EXPECT_EQ(working->AccelerationEnabled, 1);
  EXPECT_TRUE(view.acceleration);
  commands.accelerationSwitchClicked();
  EXPECT_EQ(working->AccelerationEnabled, 0);
  EXPECT_FALSE(view.acceleration);
  EXPECT_EQ(fileValue(u"AccelerationEnabled"), "0");
  ASSERT_EQ(service.messages().size(), 2u);
  EXPECT_EQ(service.messages()[1].wParam, 255u);
}

TEST_F(PerformanceTest, PollingRateIsSavedThenPostsItsCode) {
  commands.choosePollingRate(8);
  commands.choosePollingRate(4);
  commands.choosePollingRate(2);
  commands.choosePollingRate(1);
  ASSERT_EQ(service.messages().size(), 4u);
  const intptr_t codes[] = {1, 1, 2, 3};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(service.messages()[i].message, 1277u);
    EXPECT_TRUE(service.messages()[i].posted);
    EXPECT_EQ(service.messages()[i].lParam, codes[i]);
  }
  EXPECT_TRUE(disk.store.reconnectExpected());
  EXPECT_EQ(view.pollingRate, 1);
  EXPECT_EQ(working->PollingRate, 1);
  EXPECT_EQ(disk.saves, 4) << "the post goes with a save, kept with it if it does not land";
  EXPECT_EQ(fileValue(u"PollingRate"), "1");
}

TEST_F(PerformanceTest, WithoutTheServiceEverythingIsStoredAndNothingSent) {
  service.setRunning(false);
  commands.choosePollingRate(4);
  EXPECT_FALSE(disk.store.reconnectExpected());
  EXPECT_EQ(fileValue(u"PollingRate"), "4");
  commands.chooseStage(5);
  commands.sliderMoved(2, perf_slider::kLevel);
  commands.stepPointerValue(PointerValue::WheelScrollLines, true);
  EXPECT_EQ(fileValue(u"DPI"), "5");
  EXPECT_EQ(storedStage(6).level, 2);
  EXPECT_EQ(fileValue(u"WheelScrollLines"), "2");
  EXPECT_TRUE(service.messages().empty());
}

TEST(PointerValues, UnsignedLimits) {
  const PointerLimits dc = kDoubleClickSpeedLimits, wheel = kWheelScrollLinesLimits;
  EXPECT_EQ(StepPointerValueUp(20, dc), 20);
  EXPECT_EQ(StepPointerValueUp(19, dc), 20);
  EXPECT_EQ(StepPointerValueDown(4, dc), 4);
  EXPECT_EQ(StepPointerValueDown(1, wheel), 1);
  // Unset -1: up gives 0, down gives -2 (negative is never below the lower limit).
  EXPECT_EQ(StepPointerValueUp(-1, dc), 0);
  EXPECT_EQ(StepPointerValueDown(-1, dc), -2);
  // From -3, up gives -2, which counts as above the upper limit.
  EXPECT_EQ(StepPointerValueUp(-3, dc), 20);
  EXPECT_EQ(StepPointerValueUp(-3, wheel), 10);
  // The bottom of the 32-bit range wraps (no signed overflow); the down step checks only
  // the lower limit.
  EXPECT_EQ(StepPointerValueDown(INT32_MIN, wheel), INT32_MAX);
}

TEST_F(PerformanceTest, PointerButtonsShowSaveAndSend) {
  working->DoubleClickSpeed = 20;
  commands.stepPointerValue(PointerValue::DoubleClickSpeed, true);
  EXPECT_EQ(view.pointer[0], "20");
  EXPECT_EQ(fileValue(u"DoubleClickSpeed"), "20");
  working->WheelScrollLines = -1;
  commands.stepPointerValue(PointerValue::WheelScrollLines, false);
  EXPECT_EQ(view.pointer[1], "-2");
  ASSERT_EQ(service.messages().size(), 2u);
  EXPECT_EQ(service.messages()[0].message, 1296u);
  EXPECT_EQ(service.messages()[1].message, 1295u);
  EXPECT_NE(service.messages()[1].snapshot.find("WheelScrollLines=-2"), std::string::npos);
}

}  // namespace
}  // namespace ko
