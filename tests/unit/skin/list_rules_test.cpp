// The owner-drawn list's notifications, its delay-edit commit and its line layout.
#include <gtest/gtest.h>

#include "skin/list_rules.h"

namespace ko {
namespace {

TEST(ListNotices, ClicksGoToTheNotifyWindowWithTheLineDataOrToTheParentWithZero) {
  auto toNotify = ClickNotice(kListLeftClickMessage, 3, 148, true);
  ASSERT_TRUE(toNotify);
  EXPECT_EQ(toNotify->to, ListReceiver::NotifyWindow);
  EXPECT_EQ(toNotify->message, 0x3402u);
  EXPECT_EQ(toNotify->wParam, 3u);
  EXPECT_EQ(toNotify->lParam, 148u);
  EXPECT_FALSE(ClickNotice(kListLeftClickMessage, 3, kNoLineData, true));
  auto toParent = ClickNotice(kListLeftClickMessage, 3, 148, false);
  ASSERT_TRUE(toParent);
  EXPECT_EQ(toParent->to, ListReceiver::Parent);
  EXPECT_EQ(toParent->lParam, 0u);
}

TEST(ListNotices, RightReleaseIsReportedOnlyWhenUnlockedAndSwitchedOn) {
  EXPECT_FALSE(RightReleaseNotice(false, true, 2, 0, false));
  EXPECT_FALSE(RightReleaseNotice(true, false, 2, 0, false));
  auto reported = RightReleaseNotice(false, false, 2, 0, false);
  ASSERT_TRUE(reported);
  EXPECT_EQ(reported->message, 0x3400u);
  EXPECT_EQ(reported->wParam, 2u);
}

TEST(ListNotices, DoubleClicksDependOnTheLineKind) {
  EXPECT_FALSE(DoubleClickNotice(1, kKeyPressIcon));
  EXPECT_FALSE(DoubleClickNotice(1, kKeyReleaseIcon));
  auto delay = DoubleClickNotice(4, kNoIcon);
  ASSERT_TRUE(delay);
  EXPECT_EQ(delay->message, 0x3403u);
  EXPECT_EQ(delay->to, ListReceiver::Parent);
  EXPECT_EQ(delay->wParam, 4u);
  EXPECT_EQ(delay->lParam, 0u);
  auto kind = DoubleClickNotice(0, kIconlessKindLine);
  ASSERT_TRUE(kind);
  EXPECT_EQ(kind->message, 0x3404u);
  EXPECT_EQ(DoubleClickNotice(2, 201)->message, 0x3403u);
  EXPECT_FALSE(DoubleClickNotice(-1, kNoIcon));
}

TEST(ListLeftPress, LockedListsIgnoreClicksAndTheEditedLineKeepsItsEdit) {
  EXPECT_TRUE(PlanLeftPress(true, 2, 1, -1).ignore);
  EXPECT_TRUE(PlanLeftPress(true, 2, 1, 1).ignore);
  const LeftPressPlan same = PlanLeftPress(false, 1, 1, 1);
  EXPECT_TRUE(same.ignore);
  EXPECT_FALSE(same.commitEdit);
  const LeftPressPlan other = PlanLeftPress(false, 3, 1, 1);
  EXPECT_FALSE(other.ignore);
  EXPECT_TRUE(other.commitEdit);
  const LeftPressPlan noEdit = PlanLeftPress(false, 1, 1, -1);
  EXPECT_FALSE(noEdit.ignore || noEdit.commitEdit);
}

TEST(ListDelayEdit, TheEditedLineBecomesItsLeadingNumberInMilliseconds) {
  EXPECT_EQ(DelayLineText(u"250"), u"250 ms");
  EXPECT_EQ(DelayLineText(u"abc"), u"0 ms");
  EXPECT_EQ(DelayLineText(u""), u"0 ms");
  EXPECT_EQ(DelayLineText(u"  42ms"), u"42 ms");
  EXPECT_EQ(DelayLineText(u"-7"), u"-7 ms");
  EXPECT_EQ(DelayLineText(u"99999999999"), u"2147483647 ms");
  EXPECT_EQ(LeadingInteger(u"-99999999999"), INT32_MIN);
}

TEST(ListLines, IconLinesIndentTheirTextPastTheIcon) {
  const LineLayout press = LayOutLine(kKeyPressIcon, false);
  EXPECT_TRUE(press.drawIcon);
  EXPECT_EQ(press.iconX, 5);
  EXPECT_EQ(press.textX, 32);
  EXPECT_EQ(LayOutLine(kKeyPressIcon, true).textX, 16);
  EXPECT_FALSE(LayOutLine(1, false).drawIcon);
  EXPECT_EQ(LayOutLine(1, false).textX, 32);
  const LineLayout delay = LayOutLine(kNoIcon, false);
  EXPECT_FALSE(delay.drawIcon);
  EXPECT_EQ(delay.textX, 8);
  EXPECT_EQ(LayOutLine(kIconlessKindLine, true).textX, 0);
}

TEST(ListNotices, APressOrReleaseBelowTheLastLineLeavesTheSelectionAndTellsNobody) {
  EXPECT_TRUE(PlanLeftPress(false, -1, 2, -1).ignore);
  EXPECT_TRUE(PlanLeftPress(false, -1, 2, 2).ignore) << "an open delay edit stays open too";
  EXPECT_FALSE(RightReleaseNotice(false, false, -1, kNoLineData, false));
  EXPECT_FALSE(RightReleaseNotice(false, false, -1, kNoLineData, true));
}

TEST(ListLook, TheSelectedLineStaysLitWhereverThePointerIs) {
  // Hot tracking: the line under the pointer is lit; the selected line is lit and in the
  // selected text colour even when the pointer is elsewhere.
  EXPECT_TRUE(LookOfLine(false, false, true).highlighted);
  EXPECT_FALSE(LookOfLine(false, false, true).selectedText);
  EXPECT_FALSE(LookOfLine(false, false, false).highlighted);
  EXPECT_TRUE(LookOfLine(false, true, false).highlighted);
  EXPECT_TRUE(LookOfLine(false, true, false).selectedText);
  // Selection mode: only the selected line.
  EXPECT_FALSE(LookOfLine(true, false, true).highlighted);
  EXPECT_TRUE(LookOfLine(true, true, false).highlighted);
}

}  // namespace
}  // namespace ko
