// The skinned controls on the real window system: picture loading and cutting, the
// two-state button's click, the slider's values, the menu's choice messages and the
// list's clicks and delay-edit commit.
#include <gtest/gtest.h>
#include "support/message_pump.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <fstream>
#include <vector>

#include "skin/win/bitmap_btn.h"
#include "skin/win/bmp_menu.h"
#include "skin/win/list_box_ex.h"
#include "skin/win/picture_file.h"
#include "skin/win/png_hslider.h"
#include "skin/win/skin_image.h"
#include "support/temp_dir.h"

namespace ko {
namespace {

struct Received {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool checkedAtThatTime;
};
std::vector<Received> g_received;
CBitmapBtn* g_watchedButton = nullptr;

LRESULT CALLBACK RecordingParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT reflected = 0;
  if (ReflectToControl(window, message, wParam, lParam, &reflected)) return reflected;
  if (message == WM_COMMAND || message >= WM_USER)
    g_received.push_back({message, wParam, lParam, g_watchedButton && g_watchedButton->IsChecked()});
  return DefWindowProcW(window, message, wParam, lParam);
}

void pumpMessages() { ko::test::PumpMessages(); }

std::vector<Received> receivedOf(UINT message) {
  std::vector<Received> matching;
  for (const auto& r : g_received)
    if (r.message == message) matching.push_back(r);
  return matching;
}

void writePng(const Text& path, int width, int height, Gdiplus::Color colour) {
  Gdiplus::Bitmap bitmap(width, height, PixelFormat32bppARGB);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, colour);
  // The PNG encoder of GDI+.
  const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
  ASSERT_EQ(bitmap.Save(reinterpret_cast<const wchar_t*>(path.c_str()), &png, nullptr), Gdiplus::Ok);
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class SkinControlsOnWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    g_received.clear();
    g_watchedButton = nullptr;
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = RecordingParent;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KoRecordingParent";
    RegisterClassExW(&wc);
    parent_ = CreateWindowExW(0, L"KoRecordingParent", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(parent_);
  }
  void TearDown() override {
    pumpMessages();
    DestroyWindow(parent_);
    g_watchedButton = nullptr;
  }

  GdiplusSession gdiplus_;
  test::TempDir dir_;
  HWND parent_ = nullptr;
};

TEST_F(SkinControlsOnWindows, PicturesLoadAndCutAndBrokenFilesGiveEmptyImages) {
  writePng(dir_.file(u"good.png"), 40, 30, Gdiplus::Color(255, 200, 10, 20));
  const SkinImage good = SkinImage::Load(dir_.file(u"good.png"));
  ASSERT_FALSE(good.empty());
  EXPECT_EQ(good.width(), 40);
  EXPECT_EQ(good.height(), 30);
  const SkinImage part = good.Cut(10, 5, 20, 10);
  EXPECT_EQ(part.width(), 20);
  EXPECT_EQ(part.height(), 10);
  Gdiplus::Color pixel;
  part.bitmap()->GetPixel(3, 3, &pixel);
  EXPECT_EQ(pixel.GetR(), 200);
  EXPECT_TRUE(good.Cut(30, 0, 20, 10).empty());
  EXPECT_TRUE(SkinImage().Cut(0, 0, 5, 5).empty());

  const std::string bytes = readBytes(dir_.fsFile(u"good.png"));
  writeBytes(dir_.fsFile(u"truncated.png"), bytes.substr(0, bytes.size() / 2));
  // Cut anywhere, including inside the last chunks, where some decoders read past the end.
  for (size_t cut : {size_t(8), size_t(40), bytes.size() - 20, bytes.size() - 12, bytes.size() - 1}) {
    writeBytes(dir_.fsFile(u"cut.png"), bytes.substr(0, cut));
    EXPECT_TRUE(SkinImage::Load(dir_.file(u"cut.png")).empty()) << cut;
  }
  writeBytes(dir_.fsFile(u"empty.png"), "");
  writeBytes(dir_.fsFile(u"text.png"), "this is not a picture\r\n");
  for (const char16_t* name : {u"truncated.png", u"empty.png", u"text.png", u"missing.png"}) {
    const SkinImage broken = SkinImage::Load(dir_.file(name));
    EXPECT_TRUE(broken.empty()) << toUtf8(name);
    EXPECT_EQ(broken.width(), 0);
    EXPECT_EQ(broken.height(), 0);
    HDC screen = GetDC(nullptr);
    broken.DrawStretched(screen, 0, 0, 10, 10);  // draws nothing, and does not fail
    ReleaseDC(nullptr, screen);
  }
}

TEST_F(SkinControlsOnWindows, PictureFileLoaderFillsTheBitmapOrLeavesItEmpty) {
  // A 3 x 2 24-bit bitmap file, rows padded to four bytes.
  std::string bmp = "BM";
  auto put32 = [&](uint32_t v) { for (int i = 0; i < 4; ++i) bmp.push_back(static_cast<char>(v >> (8 * i))); };
  auto put16 = [&](uint16_t v) { bmp.push_back(static_cast<char>(v)); bmp.push_back(static_cast<char>(v >> 8)); };
  put32(14 + 40 + 24); put32(0); put32(14 + 40);
  put32(40); put32(3); put32(2); put16(1); put16(24); put32(0); put32(24); put32(2835); put32(2835); put32(0); put32(0);
  bmp.append(24, '\x7f');
  writeBytes(dir_.fsFile(u"menu.bmp"), bmp);
  BitmapObject bitmap;
  const SIZE size = LoadPictureFile(dir_.file(u"menu.bmp"), bitmap);
  EXPECT_EQ(size.cx, 3);
  EXPECT_EQ(size.cy, 2);
  EXPECT_TRUE(bitmap);

  writeBytes(dir_.fsFile(u"broken.jpg"), "not a jpeg");
  for (const char16_t* name : {u"broken.jpg", u"missing.jpg"}) {
    const SIZE none = LoadPictureFile(dir_.file(name), bitmap);
    EXPECT_EQ(none.cx, 0);
    EXPECT_EQ(none.cy, 0);
    EXPECT_FALSE(bitmap) << "the earlier bitmap is let go";
  }
}

TEST_F(SkinControlsOnWindows, TwoStateButtonTurnsOverBeforeTellingItsParent) {
  CBitmapBtn button;
  ASSERT_TRUE(button.Create(parent_, {10, 10, 110, 40}, 77));
  g_watchedButton = &button;
  button.SetCheckMode(true);
  SendMessageW(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  pumpMessages();
  EXPECT_TRUE(button.IsChecked());
  auto commands = receivedOf(WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].wParam, MAKEWPARAM(77, 0));
  EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(button.hwnd()));
  EXPECT_TRUE(commands[0].checkedAtThatTime);

  // A press that ends off the button does nothing.
  SendMessageW(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(button.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 5));
  SendMessageW(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(300, 5));
  pumpMessages();
  EXPECT_TRUE(button.IsChecked());
  EXPECT_EQ(receivedOf(WM_COMMAND).size(), 1u);
}

TEST_F(SkinControlsOnWindows, PushButtonClicksOnceAndStaysUnchecked) {
  CBitmapBtn button;
  ASSERT_TRUE(button.Create(parent_, {10, 10, 110, 40}, 5));
  EXPECT_TRUE(GetWindowLongPtrW(button.hwnd(), GWL_STYLE) & WS_TABSTOP);  // the keyboard reaches it
  SendMessageW(button.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(button.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  pumpMessages();
  EXPECT_FALSE(button.IsChecked());
  auto commands = receivedOf(WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].wParam, MAKEWPARAM(5, BN_CLICKED));
}

TEST_F(SkinControlsOnWindows, SliderPlacesItsThumbAndPostsRoundedClickValues) {
  writePng(dir_.file(u"thumb.png"), 10, 15, Gdiplus::Color(255, 255, 225, 0));
  CPngHSliderBar slider;
  slider.SetRange(1, 12);
  ASSERT_TRUE(slider.Create(dir_.file(u"thumb.png"), u"", {40, 10, 160, 25}, parent_, 10001));
  auto thumbLeft = [&] {
    RECT r;
    GetWindowRect(slider.thumb().hwnd(), &r);
    MapWindowPoints(nullptr, slider.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    return static_cast<int>(r.left);
  };
  EXPECT_EQ(slider.GetPos(), 1);
  slider.SetPos(12);
  EXPECT_EQ(thumbLeft(), 110);
  slider.SetPos(13);
  EXPECT_EQ(thumbLeft(), 0);
  EXPECT_EQ(slider.GetPos(), 1);

  SendMessageW(slider.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 5));
  SendMessageW(slider.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(26, 5));
  pumpMessages();
  auto values = receivedOf(kSliderValueMessage);
  ASSERT_EQ(values.size(), 2u);
  EXPECT_EQ(values[0].wParam, 3u);
  EXPECT_EQ(values[0].lParam, 10001);
  EXPECT_EQ(values[1].wParam, 4u);
  EXPECT_EQ(slider.GetPos(), 4);
}

TEST_F(SkinControlsOnWindows, SliderDragEndsWithARoundedValueForwardedByTheTrack) {
  writePng(dir_.file(u"thumb.png"), 20, 15, Gdiplus::Color(255, 255, 225, 0));
  CPngHSliderBar slider;
  slider.SetRange(0, 10);
  ASSERT_TRUE(slider.Create(dir_.file(u"thumb.png"), u"", {0, 0, 120, 15}, parent_, 10002));
  HWND thumb = slider.thumb().hwnd();
  SendMessageW(thumb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageW(thumb, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2 + 19, 2));
  SendMessageW(thumb, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));  // the thumb moved under the pointer
  pumpMessages();
  auto values = receivedOf(kSliderValueMessage);
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0].wParam, 2u);  // left edge 19: q 1, 19 - 12 > 6
  EXPECT_EQ(values[0].lParam, 10002);
}

TEST_F(SkinControlsOnWindows, MenuTurnsChoicesIntoPackedMessagesAndEmptiesItsListWhenDestroyed) {
  writePng(dir_.file(u"item.png"), 157, 312, Gdiplus::Color(255, 31, 35, 42));
  writePng(dir_.file(u"sub.png"), 157, 265, Gdiplus::Color(255, 31, 35, 42));
  {
    CBmpMenu menu(parent_);
    const Text item = dir_.file(u"item.png"), sub = dir_.file(u"sub.png");
    menu.SetItemImages(item, item, item, item);
    menu.SetSubMenuImages(sub, sub, sub, sub);
    menu.SetPosition(100, 100);
    for (int i = 0; i < 6; ++i) menu.AddItem(u"Item " + decimal(i), i == 5 ? 7 : i + 1);
    for (int j = 0; j < 4; ++j) menu.AddSubItem(5, u"Sub " + decimal(j), j + 1);
    ASSERT_TRUE(menu.Create());
    RECT r;
    GetWindowRect(menu.hwnd(), &r);
    EXPECT_EQ(r.right - r.left, 157);
    EXPECT_EQ(r.bottom - r.top, 312);

    const MenuMessage report = PackSubMenuReport(5, 2, 3);
    PostMessageW(menu.hwnd(), kSubMenuChoiceMessage, report.wParam, report.lParam);
    pumpMessages();
    // A click on plain item 1 (its button lies at y 24..48).
    HWND second = ChildWindowFromPoint(menu.hwnd(), {20, 30});
    ASSERT_NE(second, menu.hwnd());
    SendMessageW(second, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(second, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    // A click on item 5, which has sub-items, posts nothing.
    HWND withSubs = ChildWindowFromPoint(menu.hwnd(), {20, 5 * 24 + 10});
    SendMessageW(withSubs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(withSubs, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    pumpMessages();
    auto choices = receivedOf(kMenuChoiceMessage);
    ASSERT_EQ(choices.size(), 2u);
    EXPECT_EQ(choices[0].wParam, 0x00050002u);
    EXPECT_EQ(choices[0].lParam, 0x00070003);
    EXPECT_EQ(choices[1].wParam, 0x00010000u);
    EXPECT_EQ(choices[1].lParam, 0x00020000);
    EXPECT_EQ(MenuItemList().size(), 6u);
  }
  EXPECT_TRUE(MenuItemList().empty());
}

TEST_F(SkinControlsOnWindows, ListCommitsTheDelayEditBeforeSelectingTheClickedLine) {
  CListBoxEx list;
  ASSERT_TRUE(list.Create(parent_, {0, 0, 200, 200}, 300));
  list.AddLine(u"A", kKeyPressIcon);
  list.AddLine(u"100 ms", kNoIcon);
  list.AddLine(u"A", kKeyReleaseIcon);
  list.AddLine(u"Macro", kIconlessKindLine);
  HWND edit = CreateWindowExW(0, L"EDIT", L"250", WS_CHILD, 0, 20, 100, 20, parent_, nullptr, nullptr, nullptr);
  list.Select(1);
  list.SetDelayEdit(edit, 1);

  // On the edited line: the edit stays, nothing is posted.
  SendMessageW(list.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 25));
  pumpMessages();
  EXPECT_EQ(list.editedLine(), 1);
  EXPECT_TRUE(receivedOf(kListLeftClickMessage).empty());

  SendMessageW(list.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 65));
  pumpMessages();
  EXPECT_EQ(list.LineText(1), u"250 ms");
  EXPECT_EQ(list.LineData(1), kNoIcon);
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(list.editedLine(), -1);
  EXPECT_EQ(list.Selected(), 3);
  auto clicks = receivedOf(kListLeftClickMessage);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].wParam, 3u);
  EXPECT_EQ(clicks[0].lParam, 0);
  DestroyWindow(edit);
}

TEST_F(SkinControlsOnWindows, ListDoubleClicksByLineKindAndLockedListsIgnoreClicks) {
  CListBoxEx list;
  ASSERT_TRUE(list.Create(parent_, {0, 0, 200, 200}, 301));
  list.AddLine(u"A", kKeyPressIcon);
  list.AddLine(u"100 ms", kNoIcon);
  list.AddLine(u"Macro", kIconlessKindLine);
  SendMessageW(list.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 5));
  SendMessageW(list.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 25));
  SendMessageW(list.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 45));
  pumpMessages();
  ASSERT_EQ(receivedOf(kListDoubleClickMessage).size(), 1u);
  EXPECT_EQ(receivedOf(kListDoubleClickMessage)[0].wParam, 1u);
  ASSERT_EQ(receivedOf(kListKindDoubleClickMessage).size(), 1u);
  EXPECT_EQ(receivedOf(kListKindDoubleClickMessage)[0].wParam, 2u);

  list.SetLocked(true);
  list.Select(-1);
  SendMessageW(list.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 25));
  pumpMessages();
  EXPECT_EQ(list.Selected(), -1);
  EXPECT_TRUE(receivedOf(kListLeftClickMessage).empty());
}

}  // namespace
}  // namespace ko
