// The macro windows' seams with the window system: choosing a name in the macro-name
// popup, a click below the last line of a list, and a menu opened while another is up.
#include <gtest/gtest.h>
#include "support/message_pump.h"

#include <windows.h>

#include <vector>

#include "macro/macro_list.h"
#include "macro/win/macro_name_menu.h"
#include "skin/win/bmp_menu.h"
#include "skin/win/list_box_ex.h"
#include "skin/win/skin_image.h"
#include "support/temp_dir.h"

namespace ko {
namespace {

struct Heard {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<Heard> g_heard;

LRESULT CALLBACK ListeningOwner(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT reflected = 0;
  if (ReflectToControl(window, message, wParam, lParam, &reflected)) return reflected;
  if (message >= WM_USER) g_heard.push_back({message, wParam, lParam});
  return DefWindowProcW(window, message, wParam, lParam);
}

void pump() { ko::test::PumpMessages(); }

std::vector<Heard> heardOf(UINT message) {
  std::vector<Heard> matching;
  for (const Heard& h : g_heard)
    if (h.message == message) matching.push_back(h);
  return matching;
}

// A press and release of the left button at a client point, as the mouse gives them.
void clickAt(HWND window, int x, int y) {
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

class MacroWindowsOnWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    g_heard.clear();
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ListeningOwner;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KoListeningOwner";
    RegisterClassExW(&wc);
    owner_ = CreateWindowExW(0, L"KoListeningOwner", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(owner_);
  }
  void TearDown() override {
    pump();
    DestroyWindow(owner_);
  }

  GdiplusSession gdiplus_;
  test::TempDir dir_;
  HWND owner_ = nullptr;
};

TEST_F(MacroWindowsOnWindows, AClickOnANameInThePopupTellsTheOwnerItsPosition) {
  MacroList macros;
  for (const char16_t* name : {u"Fire", u"Burst", u"Walk"}) macros.append(name);
  CMacroNameMenu popup(owner_);
  popup.SetPosition(10, 10);
  ASSERT_TRUE(popup.Create(macros, dir_.folder()));
  ASSERT_EQ(popup.list().Count(), 3);

  clickAt(popup.list().hwnd(), 10, 2 * kMacroNameRowHeight + 5);  // the third row
  pump();
  std::vector<Heard> chosen = heardOf(kMacroNameChosenMessage);
  ASSERT_EQ(chosen.size(), 1u);
  EXPECT_EQ(chosen[0].wParam, 2u);
  EXPECT_EQ(chosen[0].lParam, 0);

  // The first row too, the one a list without a selection is easiest to miss on.
  g_heard.clear();
  clickAt(popup.list().hwnd(), 10, 5);
  pump();
  chosen = heardOf(kMacroNameChosenMessage);
  ASSERT_EQ(chosen.size(), 1u);
  EXPECT_EQ(chosen[0].wParam, 0u);
}

TEST_F(MacroWindowsOnWindows, AClickBelowTheLastLineKeepsTheSelectionTheOwnerActsOn) {
  CListBoxEx list;
  ASSERT_TRUE(list.Create(owner_, {0, 0, 200, 200}, 310));
  list.SetNotifyWindow(owner_);
  list.AddLine(u"A", kKeyPressIcon);
  list.AddLine(u"10 MS", kNoIcon);
  list.AddLine(u"A", kKeyReleaseIcon);
  clickAt(list.hwnd(), 10, 25);
  pump();
  ASSERT_EQ(list.Selected(), 1);
  ASSERT_EQ(heardOf(kListLeftClickMessage).size(), 1u);

  g_heard.clear();
  clickAt(list.hwnd(), 10, 150);  // below the three lines
  SendMessageW(list.hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(10, 150));
  pump();
  EXPECT_EQ(list.Selected(), 1) << "the marked line is still the one the owner will act on";
  EXPECT_TRUE(heardOf(kListLeftClickMessage).empty());
  EXPECT_TRUE(heardOf(kListRightClickMessage).empty());
}

TEST_F(MacroWindowsOnWindows, AMenuOpenedWhileAnotherIsUpKeepsItsItems) {
  auto first = std::make_unique<CBmpMenu>(owner_);
  first->SetPosition(50, 50);
  first->AddItem(u"Click", 40015);
  first->AddItem(u"Menu", 40016);
  ASSERT_TRUE(first->Create());

  // As the macro page opens the step menu on a right click: filled first, then the open
  // menu goes, then the new one is made.
  auto second = std::make_unique<CBmpMenu>(owner_);
  second->SetPosition(60, 60);
  for (const char16_t* item : {u"Insert", u"Copy", u"Cut", u"Paste"}) second->AddItem(item, 0);
  first.reset();
  ASSERT_TRUE(second->Create());
  ASSERT_EQ(MenuItemList().size(), 4u);
  EXPECT_EQ(MenuItemList()[3].textView(), u"Paste");
  second.reset();
  EXPECT_TRUE(MenuItemList().empty());
}

}  // namespace
}  // namespace ko
