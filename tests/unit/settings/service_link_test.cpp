// The outgoing messages and the order "look up, save, then tell".
#include <gtest/gtest.h>

#include "platform/service_recorder.h"
#include "settings/service_link.h"

namespace ko {
namespace {

TEST(ServiceLink, PollingRatesMapToTheServiceCodesAndArePosted) {
  const std::pair<int32_t, intptr_t> map[] = {{1, 3}, {2, 2}, {4, 1}, {8, 1}};
  for (auto [rate, code] : map) {
    auto notice = pollingRateNotice(rate);
    ASSERT_TRUE(notice) << rate;
    EXPECT_EQ(notice->message, 1277u);
    EXPECT_EQ(notice->wParam, 0u);
    EXPECT_EQ(notice->lParam, code);
    EXPECT_TRUE(notice->posted);
  }
  for (int32_t rate : {0, 3, 16, -1}) EXPECT_FALSE(pollingRateNotice(rate)) << rate;
}

TEST(ServiceLink, NoticesCarryTheirParameters) {
  struct Case {
    ServiceNotice notice;
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
  };
  const Case cases[] = {
      {lightingChangedNotice(), 1227, 0, 0},      {settingsAppliedNotice(), 1279, 0, 0},
      {wheelScrollLinesNotice(), 1295, 0, 0},     {doubleClickSpeedNotice(), 1296, 0, 0},
      {activeStageNotice(), 1297, 0, 0},          {accelerationNotice(), 1297, 255, 255},
      {profileChangedNotice(), 1298, 0, 0},       {buttonAssignmentNotice(3, 7), 1299, 3, 7},
      {macroChangedNotice(12), 1300, 12, 0},      {dpiLevelNotice(5), 1302, 5, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.notice.message, c.message);
    EXPECT_EQ(c.notice.wParam, c.wParam) << c.message;
    EXPECT_EQ(c.notice.lParam, c.lParam) << c.message;
    EXPECT_FALSE(c.notice.posted) << c.message;
  }
}

TEST(ServiceLink, AnAbsentServiceGetsNothingAndThatIsNoError) {
  ServiceRecorder service(false);
  EXPECT_FALSE(notifyService(service, lightingChangedNotice()));
  bool saved = false;
  NoticeBacklog backlog;
  EXPECT_TRUE(backlog.saveThenNotify(service, [&] { return saved = true; }, {profileChangedNotice()}));
  EXPECT_TRUE(saved);  // the file is written all the same
  EXPECT_TRUE(backlog.kept().empty()) << "a notice nobody could hear is not kept";
  EXPECT_TRUE(service.messages().empty());
}

TEST(ServiceLink, TheServiceIsLookedUpBeforeEveryNotice) {
  ServiceRecorder service(false);
  EXPECT_FALSE(notifyService(service, lightingChangedNotice()));
  service.setRunning(true);  // started meanwhile: the next notice reaches it
  EXPECT_TRUE(notifyService(service, lightingChangedNotice()));
  EXPECT_EQ(service.lookups(), 2);
  ASSERT_EQ(service.messages().size(), 1u);
  EXPECT_FALSE(service.messages()[0].posted);
}

TEST(ServiceLink, TheSaveHasFinishedWhenTheServiceIsTold) {
  ServiceRecorder service;
  std::string file = "old";
  int lookupsDuringSave = -1;
  service.setSnapshot([&] { return file; });
  NoticeBacklog backlog;
  EXPECT_TRUE(backlog.saveThenNotify(
      service,
      [&] {
        lookupsDuringSave = service.lookups();
        file = "new";
        return true;
      },
      {buttonAssignmentNotice(1, 5)}));
  EXPECT_EQ(lookupsDuringSave, 1);  // found before saving
  ASSERT_EQ(service.messages().size(), 1u);
  EXPECT_EQ(service.messages()[0].snapshot, "new");
  EXPECT_EQ(service.messages()[0].message, 1299u);
}

TEST(ServiceLink, AnUnknownPollingRateIsSavedButNotAnnounced) {
  ServiceRecorder service;
  EXPECT_FALSE(pollingRateNotice(5).has_value());
  NoticeBacklog backlog;
  EXPECT_TRUE(backlog.saveThenNotify(service, nullptr, {*pollingRateNotice(1)}));
  ASSERT_EQ(service.messages().size(), 1u);
  EXPECT_TRUE(service.messages()[0].posted);
}

}  // namespace
}  // namespace ko
