// The lighting page's colour picker on the real window system: the mouse it captures for
// a hue-bar drag or a step-button press is given back when the page is refreshed midway.
#include <gtest/gtest.h>

#include <windows.h>

#include "perf/win/own_color_select.h"
#include "skin/win/skin_image.h"

namespace ko {
namespace {

int g_picks = 0;

LRESULT CALLBACK CountingParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kColourPickedMessage) ++g_picks;
  return DefWindowProcW(window, message, wParam, lParam);
}

void pumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

class ColourPickerOnWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    g_picks = 0;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = CountingParent;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KoPickerParent";
    RegisterClassExW(&wc);
    parent_ = CreateWindowExW(0, L"KoPickerParent", L"", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(parent_);
    // No pictures in an empty skin folder: the picker draws without them.
    ASSERT_TRUE(picker_.Create(parent_, {0, 0, 230, 260}, 300, u"Z:\\nonexistent\\"));
  }
  void TearDown() override {
    ReleaseCapture();
    DestroyWindow(parent_);
  }

  GdiplusSession gdiplus_;
  HWND parent_ = nullptr;
  COwnColorSelect picker_;
};

TEST_F(ColourPickerOnWindows, ARefreshDuringAHueBarDragGivesTheMouseBackWithoutAPick) {
  SendMessageW(picker_.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(205, 60));
  ASSERT_EQ(GetCapture(), picker_.hwnd());
  ASSERT_TRUE(picker_.state().dragging());
  picker_.Reset(0x00FF00);
  pumpMessages();
  EXPECT_NE(GetCapture(), picker_.hwnd());
  EXPECT_FALSE(picker_.state().dragging());
  EXPECT_EQ(picker_.state().colour(), 0x00FF00u);
  EXPECT_EQ(g_picks, 0);
}

TEST_F(ColourPickerOnWindows, ARefreshDuringAStepButtonPressGivesTheMouseBack) {
  const RECT plus = COwnColorSelect::StepButtonRect(0, true);
  SendMessageW(picker_.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(plus.left + 2, plus.top + 2));
  ASSERT_EQ(GetCapture(), picker_.hwnd());
  picker_.Reset(0x000010);
  EXPECT_NE(GetCapture(), picker_.hwnd());
  // The release that follows belongs to no press any more: no step, no pick.
  SendMessageW(picker_.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(plus.left + 2, plus.top + 2));
  pumpMessages();
  EXPECT_EQ(picker_.state().colour(), 0x000010u);
  EXPECT_EQ(g_picks, 0);
}

}  // namespace
}  // namespace ko
