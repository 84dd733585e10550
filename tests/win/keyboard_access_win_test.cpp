// The skinned controls by keyboard and through Active Accessibility, on the real window
// system: a key goes the click's way (the same notices, in the same order), and each
// control tells a screen reader its name, role, state and value.
#include <gtest/gtest.h>

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <oleacc.h>

#include <vector>

#include "macro/macro_list.h"
#include "macro/win/macro_name_menu.h"
#include "perf/win/own_color_select.h"
#include "skin/win/bitmap_btn.h"
#include "skin/win/bmp_menu.h"
#include "skin/win/png_hslider.h"
#include "skin/win/skin_image.h"
#include "support/message_pump.h"
#include "support/temp_dir.h"

namespace ko {
namespace {

struct Heard {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool checked;
};
std::vector<Heard> g_heard;
CBitmapBtn* g_button = nullptr;

LRESULT CALLBACK Listener(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT reflected = 0;
  if (ReflectToControl(window, message, wParam, lParam, &reflected)) return reflected;
  if (message == WM_COMMAND || message >= WM_USER)
    g_heard.push_back({message, wParam, lParam, g_button && g_button->IsChecked()});
  return DefWindowProcW(window, message, wParam, lParam);
}

std::vector<Heard> heardOf(UINT message) {
  std::vector<Heard> found;
  for (const Heard& h : g_heard)
    if (h.message == message) found.push_back(h);
  return found;
}

void key(HWND window, WPARAM virtualKey, bool repeat = false) {
  SendMessageW(window, WM_KEYDOWN, virtualKey, repeat ? (1 << 30) | 1 : 1);
  SendMessageW(window, WM_KEYUP, virtualKey, 0xC0000001);
}

void writePng(const Text& path, int width, int height) {
  Gdiplus::Bitmap bitmap(width, height, PixelFormat32bppARGB);
  const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
  ASSERT_EQ(bitmap.Save(reinterpret_cast<const wchar_t*>(path.c_str()), &png, nullptr), Gdiplus::Ok);
}

// What a screen reader reads of a window's client: name, role, state, value.
struct Spoken {
  std::wstring name, value;
  long role = -1, state = -1;
};
Spoken speak(HWND window) {
  Spoken s;
  IAccessible* object = nullptr;
  const IID accessible = __uuidof(IAccessible);
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), accessible,
                                        reinterpret_cast<void**>(&object))) || !object)
    return s;
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR text = nullptr;
  if (object->get_accName(self, &text) == S_OK) s.name = text;
  SysFreeString(text);
  text = nullptr;
  if (object->get_accValue(self, &text) == S_OK) s.value = text;
  SysFreeString(text);
  VARIANT out;
  VariantInit(&out);
  if (SUCCEEDED(object->get_accRole(self, &out)) && out.vt == VT_I4) s.role = out.lVal;
  VariantInit(&out);
  if (SUCCEEDED(object->get_accState(self, &out)) && out.vt == VT_I4) s.state = out.lVal;
  object->Release();
  return s;
}

class KeyboardAndAccess : public ::testing::Test {
 protected:
  void SetUp() override {
    CoInitialize(nullptr);
    g_heard.clear();
    g_button = nullptr;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Listener;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KoKeyListener";
    RegisterClassExW(&wc);
    parent_ = CreateWindowExW(0, L"KoKeyListener", L"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(parent_);
  }
  void TearDown() override {
    test::PumpMessages();
    DestroyWindow(parent_);
    g_button = nullptr;
    CoUninitialize();
  }

  GdiplusSession gdiplus_;
  test::TempDir dir_;
  HWND parent_ = nullptr;
};

TEST_F(KeyboardAndAccess, ButtonsAndSlidersDoByKeyWhatAClickDoesAndSayWhatTheyAre) {
  CBitmapBtn button;
  ASSERT_TRUE(button.Create(parent_, {10, 10, 110, 40}, 5));
  button.SetCaption(u"Profile 2");
  button.SetCheckMode(true);
  g_button = &button;
  SetFocus(button.hwnd());
  key(button.hwnd(), VK_SPACE);
  key(button.hwnd(), VK_RETURN, true);  // a held key presses once
  test::PumpMessages();
  auto clicks = heardOf(WM_COMMAND);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_TRUE(clicks[0].checked);  // turned over before the parent heard
  EXPECT_EQ(clicks[0].wParam, MAKEWPARAM(5, BN_CLICKED));
  Spoken said = speak(button.hwnd());
  EXPECT_EQ(said.name, L"Profile 2");
  EXPECT_EQ(said.role, ROLE_SYSTEM_RADIOBUTTON);
  EXPECT_TRUE(said.state & STATE_SYSTEM_CHECKED);
  EXPECT_TRUE(said.state & STATE_SYSTEM_FOCUSED);
  EnableWindow(button.hwnd(), FALSE);
  key(button.hwnd(), VK_SPACE);
  EXPECT_EQ(heardOf(WM_COMMAND).size(), 1u);  // a disabled button does nothing
  EXPECT_TRUE(speak(button.hwnd()).state & STATE_SYSTEM_UNAVAILABLE);

  writePng(dir_.file(u"thumb.png"), 10, 15);
  CPngHSliderBar slider;
  slider.SetRange(1, 12);
  ASSERT_TRUE(slider.Create(dir_.file(u"thumb.png"), u"", {40, 60, 160, 75}, parent_, 10001));
  slider.SetAccessibleName(u"DPI level");
  slider.SetPos(5);
  HWND thumb = slider.thumb().hwnd();
  SetFocus(thumb);
  for (WPARAM k : {VK_RIGHT, VK_PRIOR, VK_END, VK_END, VK_HOME, VK_LEFT}) key(thumb, k);
  test::PumpMessages();
  std::vector<WPARAM> values;
  for (const Heard& h : heardOf(kSliderValueMessage)) {
    values.push_back(h.wParam);
    EXPECT_EQ(h.lParam, 10001);
  }
  // The second End and the Left at the lowest move nothing and report nothing.
  EXPECT_EQ(values, (std::vector<WPARAM>{6, 9, 12, 1}));
  said = speak(thumb);
  EXPECT_EQ(said.name, L"DPI level");
  EXPECT_EQ(said.role, ROLE_SYSTEM_SLIDER);
  EXPECT_EQ(said.value, L"1");
  EXPECT_TRUE(said.state & STATE_SYSTEM_FOCUSED);
  EXPECT_FALSE(speak(slider.hwnd()).state & STATE_SYSTEM_FOCUSED);  // the track names, the thumb has the focus
}

TEST_F(KeyboardAndAccess, MenusAreWalkedByArrowsLettersAndChooseThroughTheirItems) {
  writePng(dir_.file(u"item.png"), 157, 312);
  writePng(dir_.file(u"sub.png"), 157, 265);
  CBmpMenu menu(parent_);
  const Text item = dir_.file(u"item.png"), sub = dir_.file(u"sub.png");
  menu.SetItemImages(item, item, item, item);
  menu.SetSubMenuImages(sub, sub, sub, sub);
  menu.SetPosition(100, 100);
  int32_t value = 0;
  for (const char16_t* text : {u"Left Click", u"Right Click", u"Macro", u"Advanced", u"Multimedia"})
    menu.AddItem(text, ++value);
  for (const char16_t* text : {u"DPI Up", u"Keyboard Key", u"Rapid Fire"}) menu.AddSubItem(3, text, 9);
  ASSERT_TRUE(menu.Create());

  EXPECT_EQ(menu.OnKey(VK_DOWN), MenuKeyResult::Handled);
  EXPECT_EQ(menu.OnKey(VK_DOWN), MenuKeyResult::Handled);
  EXPECT_EQ(menu.keyItem(), 1);
  menu.OnKey('M');  // Macro, then Multimedia, then round to Macro
  EXPECT_EQ(menu.keyItem(), 2);
  menu.OnKey('M');
  EXPECT_EQ(menu.keyItem(), 4);
  menu.OnKey(VK_UP);
  menu.OnKey(VK_RIGHT);  // Advanced opens its sub-menu on its first item
  ASSERT_NE(menu.subMenu(), nullptr);
  EXPECT_EQ(menu.subKeyItem(), 0);
  menu.OnKey(VK_LEFT);
  EXPECT_EQ(menu.subMenu(), nullptr);
  menu.OnKey(VK_RETURN);  // Enter on an item with a sub-menu opens it
  menu.OnKey('R');
  EXPECT_EQ(menu.subKeyItem(), 2);
  const Spoken said = speak(menu.subMenu() ? GetWindow(menu.subMenu()->hwnd(), GW_CHILD) : nullptr);
  EXPECT_EQ(said.role, ROLE_SYSTEM_MENUITEM);
  EXPECT_EQ(said.name, L"DPI Up");
  menu.OnKey(VK_RETURN);
  test::PumpMessages();
  auto choices = heardOf(kMenuChoiceMessage);
  ASSERT_EQ(choices.size(), 1u);
  EXPECT_EQ(choices[0].wParam, PackSubMenuReport(3, 2, 9).wParam);  // item 3, sub-item 2
  EXPECT_EQ(menu.OnKey(VK_ESCAPE), MenuKeyResult::Close);
}

// The two windows that never take the focus or are several fields in one: the macro-name
// popup gets its owner's keys, and lights rows without choosing until Enter; the colour
// picker's fields are walked by Tab and step by the arrows, each step a pick.
TEST_F(KeyboardAndAccess, TheNamePopupAndTheColourPickerAnswerTheirOwnersKeys) {
  MacroList macros;
  for (const char16_t* name : {u"Fire", u"Burst", u"Walk", u"Fast"}) macros.append(name);
  CMacroNameMenu popup(parent_);
  popup.SetPosition(20, 20);
  ASSERT_TRUE(popup.Create(macros, dir_.folder()));
  CListBoxEx& list = popup.list();
  EXPECT_EQ(popup.OnKey(VK_SHIFT), NameMenuKey::Taken);
  EXPECT_EQ(list.Selected(), -1);
  popup.OnKey(VK_DOWN);
  EXPECT_EQ(list.Selected(), 0);
  popup.OnKey('F');  // the next name with F after Fire
  EXPECT_EQ(list.Selected(), 3);
  popup.OnKey('F');  // and round again
  EXPECT_EQ(list.Selected(), 0);
  popup.OnKey(VK_UP);
  EXPECT_EQ(list.Selected(), 0);
  popup.OnKey(VK_END);
  popup.OnKey(VK_UP);
  EXPECT_EQ(list.Selected(), 2);
  test::PumpMessages();
  EXPECT_TRUE(heardOf(kMacroNameChosenMessage).empty()) << "lighting a row chooses nothing";
  EXPECT_EQ(popup.OnKey(VK_RETURN), NameMenuKey::Taken);
  test::PumpMessages();
  auto chosen = heardOf(kMacroNameChosenMessage);
  ASSERT_EQ(chosen.size(), 1u);
  EXPECT_EQ(chosen[0].wParam, 2u);  // Walk
  EXPECT_EQ(popup.OnKey(VK_TAB), NameMenuKey::NotMine);
  EXPECT_EQ(popup.OnKey(VK_ESCAPE), NameMenuKey::Close);

  COwnColorSelect picker;
  ASSERT_TRUE(picker.Create(parent_, {0, 0, 230, 260}, 300, dir_.folder()));
  picker.Reset(Rgb(16, 0, 250));
  ShowWindow(picker.hwnd(), SW_SHOW);
  SetFocus(picker.hwnd());  // as Tab gives it: on to the red field
  const HWND red = GetDlgItem(picker.hwnd(), picker_field::kRed);
  EXPECT_EQ(GetFocus(), red);
  EXPECT_FALSE(picker.OnKey(VK_TAB, true)) << "Shift+Tab before the first field leaves the picker";
  g_heard.clear();
  EXPECT_TRUE(picker.OnKey(VK_UP, false));
  EXPECT_TRUE(picker.OnKey(VK_PRIOR, false));
  EXPECT_TRUE(picker.OnKey(VK_TAB, false));
  EXPECT_EQ(GetFocus(), GetDlgItem(picker.hwnd(), picker_field::kGreen));
  EXPECT_TRUE(picker.OnKey(VK_DOWN, false));  // green stays at 0, and says so again
  picker.OnKey(VK_TAB, false);
  picker.OnKey(VK_TAB, false);
  const HWND hex = GetDlgItem(picker.hwnd(), picker_field::kHex);
  EXPECT_EQ(GetFocus(), hex);
  EXPECT_FALSE(picker.OnKey(VK_UP, false)) << "the colour code has no steps";
  EXPECT_FALSE(picker.OnKey(VK_TAB, false)) << "Tab after the last field leaves the picker";
  test::PumpMessages();
  std::vector<WPARAM> picks;
  for (const Heard& h : heardOf(kColourPickedMessage)) picks.push_back(h.wParam);
  EXPECT_EQ(picks, (std::vector<WPARAM>{Rgb(17, 0, 250), Rgb(33, 0, 250), Rgb(33, 0, 250)}));
  wchar_t text[16] = {};
  GetWindowTextW(hex, text, 16);
  EXPECT_STREQ(text, L"fa0021");  // as "LedColor" holds it
  EXPECT_EQ(speak(red).value, L"33");
}

}  // namespace
}  // namespace ko
