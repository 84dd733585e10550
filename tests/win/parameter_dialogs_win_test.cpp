// The key capture and parameter dialogs on the real window system: each is opened modally
// over an owner window, driven with posted messages the way the user's keys and clicks
// arrive, and checked for what it stored in the settings record.
#include <gtest/gtest.h>

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <functional>
#include <vector>

#include "assign/dialog_layouts.h"
#include "text/key_tables.h"
#include "assign/win/dpi_shift_dlg.h"
#include "assign/win/gunfire_dlg.h"
#include "assign/win/key_ex_dlg.h"
#include "assign/win/xshoot_dlg.h"
#include "skin/win/clr_edit.h"
#include "skin/win/png_hslider.h"
#include "skin/win/skin_image.h"
#include "skin/menu_geometry.h"
#include "support/temp_dir.h"

namespace ko {
namespace {

using Step = std::function<void()>;

// The steps run one per timer tick inside the dialog's own loop, so every message a step
// posts has been handled before the next step looks.
std::vector<Step> g_steps;
size_t g_next = 0;
UINT_PTR g_timer = 0;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR, DWORD) {
  if (g_next >= g_steps.size()) return;
  Step step = g_steps[g_next++];
  step();
}

int RunDialog(SkinDialog& dialog, HWND owner, std::vector<Step> steps) {
  g_steps = std::move(steps);
  g_next = 0;
  g_timer = SetTimer(nullptr, 0, 15, RunNextStep);
  const int result = dialog.DoModal(owner);
  KillTimer(nullptr, g_timer);
  return result;
}

void click(SkinDialog& dialog, int index) {
  HWND button = dialog.controls().handle(index);
  PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

LPARAM keyFlags(UINT scan, bool extended, bool release) {
  LPARAM flags = 1 | (static_cast<LPARAM>(scan) << 16) | (extended ? (1 << 24) : 0);
  if (release) flags |= (1u << 30) | (1u << 31);
  return flags;
}

void key(SkinDialog& dialog, UINT vk, UINT scan, bool extended = false) {
  PostMessageW(dialog.hwnd(), WM_KEYDOWN, vk, keyFlags(scan, extended, false));
  PostMessageW(dialog.hwnd(), WM_KEYUP, vk, keyFlags(scan, extended, true));
}

// Typing into a field: the characters replace what it holds, then a key release as the
// last key of the word comes up.
void type(SkinDialog& dialog, int index, const wchar_t* text) {
  HWND edit = dialog.controls().handle(index);
  PostMessageW(edit, EM_SETSEL, 0, -1);
  for (const wchar_t* c = text; *c; ++c) PostMessageW(edit, WM_CHAR, *c, 1);
  PostMessageW(edit, WM_KEYUP, 0x30, keyFlags(0x0B, false, true));
}

Text textOf(SkinDialog& dialog, int index) {
  wchar_t buffer[64] = {};
  GetWindowTextW(dialog.controls().handle(index), buffer, 64);
  return Text(reinterpret_cast<const char16_t*>(buffer));
}

bool enabled(SkinDialog& dialog, int index) { return IsWindowEnabled(dialog.controls().handle(index)) != 0; }

void chooseFromMenu(SkinDialog& dialog, int identifier) {
  const MenuMessage m = PackItemChoice(identifier - 1, identifier);
  PostMessageW(dialog.hwnd(), kMenuChoiceMessage, m.wParam, m.lParam);
}

void writePng(const Text& path, int width, int height) {
  Gdiplus::Bitmap bitmap(width, height, PixelFormat32bppARGB);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, Gdiplus::Color(255, 30, 40, 50));
  const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
  ASSERT_EQ(bitmap.Save(reinterpret_cast<const wchar_t*>(path.c_str()), &png, nullptr), Gdiplus::Ok);
}

class ParameterDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 500, 400, 50, 50, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(owner_, nullptr);
    record_ = std::make_unique<SettingsRecord>();
    record_->Profile = 2;
  }
  void TearDown() override { DestroyWindow(owner_); }

  ButtonAssignment& button(int b) { return record_->Profiles[2].ButtonAssigned[b]; }
  // Every dialog reads its skin from an empty folder unless a test gives it pictures.
  template <class Dialog>
  Dialog& prepared(Dialog& d) {
    d.SetSkinFolder(skins_.folder());
    return d;
  }

  GdiplusSession gdiplus_;
  test::TempDir skins_;
  HWND owner_ = nullptr;
  std::unique_ptr<SettingsRecord> record_;
};

TEST_F(ParameterDialogs, KeyCaptureStoresTheFirstKeyAsItsSidedUsage) {
  button(4).FunctionCode = 5;
  button(4).ParamA = 1;
  button(4).ParamB = 1;
  button(4).ParamData[1] = VkToHid('Q');
  CKeyExDlg dialog(*record_, 4);
  bool ownerDisabled = false;
  const int result = RunDialog(prepared(dialog), owner_, {
      [&] {
        ownerDisabled = !IsWindowEnabled(owner_);
        EXPECT_EQ(dialog.capture().DisplayText(), u"Q ");
        key(dialog, VK_CONTROL, 0x1D, true);  // right Ctrl
        key(dialog, 'E', 0x12);               // ignored: one key only
      },
      [&] {
        EXPECT_EQ(dialog.capture().count(), 1);
        key(dialog, VK_RETURN, 0x1C);  // refused as a second key, and does not close
      },
      [&] {
        EXPECT_TRUE(dialog.IsRunning());
        click(dialog, single_key::kOk);
      },
  });
  EXPECT_EQ(result, kDialogOk);
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(IsWindowEnabled(owner_));
  EXPECT_EQ(button(4).ParamA, 1);
  EXPECT_EQ(button(4).ParamB, 1);
  EXPECT_EQ(button(4).ParamData[0], 0);
  EXPECT_EQ(button(4).ParamData[1], 228);
  EXPECT_EQ(button(4).FunctionCode, 5);  // the caller's to set
}

TEST_F(ParameterDialogs, KeyCaptureClosedWithoutOkWritesNothing) {
  button(1).ParamData[1] = 0x33;
  for (int closer : {single_key::kClose, single_key::kCancel}) {
    CKeyExDlg dialog(*record_, 1);
    const int result = RunDialog(prepared(dialog), owner_, {
        [&] { key(dialog, 'A', 0x1E); },
        [&] {
          EXPECT_EQ(dialog.capture().DisplayText(), u"A ");
          click(dialog, closer);
        },
    });
    EXPECT_EQ(result, kDialogCancel);
    EXPECT_EQ(button(1).ParamData[1], 0x33);
  }
}

TEST_F(ParameterDialogs, KeyCaptureTakesKeypadEnterAndIgnoresTheWindowsKey) {
  CKeyExDlg dialog(*record_, 0);
  RunDialog(prepared(dialog), owner_, {
      [&] { key(dialog, VK_LWIN, 0x5B, true); },
      [&] {
        EXPECT_FALSE(dialog.capture().started());
        key(dialog, VK_RETURN, 0x1C, true);
      },
      [&] {
        EXPECT_EQ(dialog.capture().DisplayText(), u"Enter ");
        click(dialog, single_key::kOk);
      },
  });
  EXPECT_EQ(button(0).ParamData[1], 88);
}

TEST_F(ParameterDialogs, RapidFireOpensWithDefaultsAndStoresWhatWasEdited) {
  CGunfireDlg dialog(*record_, 3);
  const int result = RunDialog(prepared(dialog), owner_, {
      [&] {
        EXPECT_EQ(textOf(dialog, gunfire::kSpeedValue), u"30");
        EXPECT_EQ(textOf(dialog, gunfire::kCountField), u"0");
        EXPECT_FALSE(enabled(dialog, gunfire::kCountField));
        EXPECT_TRUE(dialog.controls().button(gunfire::kNoLimit)->IsChecked());
        EXPECT_EQ(textOf(dialog, gunfire::kSecondField), u"10");
        EXPECT_EQ(dialog.controls().slider(gunfire::kSpeedSlider)->GetPos(), 30);
        PostMessageW(dialog.hwnd(), kSliderValueMessage, 120, gunfire::kSliderId);
        PostMessageW(dialog.hwnd(), kSliderValueMessage, 77, 999);  // another slider's: ignored
        type(dialog, gunfire::kSecondField, L"55");                 // box set: the count stays 0
      },
      [&] {
        EXPECT_EQ(textOf(dialog, gunfire::kSpeedValue), u"120");
        EXPECT_EQ(textOf(dialog, gunfire::kCountField), u"0");
        click(dialog, gunfire::kNoLimit);
      },
      [&] {
        EXPECT_FALSE(dialog.controls().button(gunfire::kNoLimit)->IsChecked());
        EXPECT_EQ(textOf(dialog, gunfire::kCountField), u"3");
        EXPECT_TRUE(enabled(dialog, gunfire::kCountField));
        type(dialog, gunfire::kCountField, L"300");
      },
      [&] {
        EXPECT_EQ(textOf(dialog, gunfire::kCountField), u"255");
        type(dialog, gunfire::kCountField, L"0");
      },
      [&] {
        EXPECT_EQ(textOf(dialog, gunfire::kCountField), u"1");
        type(dialog, gunfire::kCountField, L"12");
        type(dialog, gunfire::kSecondField, L"9999");
      },
      [&] {
        EXPECT_EQ(textOf(dialog, gunfire::kSecondField), u"255");  // three digits, then the byte's largest
        click(dialog, gunfire::kOk);
      },
  });
  EXPECT_EQ(result, kDialogOk);
  EXPECT_EQ(button(3).ParamA, 12);
  EXPECT_EQ(button(3).ParamB, 255);
  EXPECT_EQ(button(3).ParamData[1], 120);
}

TEST_F(ParameterDialogs, RapidFireReopensWithTheStoredValues) {
  button(3).FunctionCode = kRapidFireCode;
  button(3).ParamA = 7;
  button(3).ParamB = 44;
  button(3).ParamData[1] = 150;
  CGunfireDlg dialog(*record_, 3);
  const int result = RunDialog(prepared(dialog), owner_, {
      [&] {
        EXPECT_EQ(textOf(dialog, gunfire::kSpeedValue), u"150");
        EXPECT_EQ(textOf(dialog, gunfire::kCountField), u"7");
        EXPECT_TRUE(enabled(dialog, gunfire::kCountField));
        EXPECT_FALSE(dialog.controls().button(gunfire::kNoLimit)->IsChecked());
        EXPECT_EQ(textOf(dialog, gunfire::kSecondField), u"44");
        PostMessageW(dialog.hwnd(), WM_KEYDOWN, VK_ESCAPE, keyFlags(1, false, false));
      },
  });
  EXPECT_EQ(result, kDialogCancel);
  EXPECT_EQ(button(3).ParamA, 7);
}

TEST_F(ParameterDialogs, XShootWithAKeyboardTriggerStoresItsUsageAndDefaultNumbers) {
  CXShoot dialog(*record_, 6);
  const int result = RunDialog(prepared(dialog), owner_, {
      [&] {
        EXPECT_EQ(textOf(dialog, xshoot::kFirstField), u"");
        chooseFromMenu(dialog, 4);
      },
      [&] {
        EXPECT_TRUE(enabled(dialog, xshoot::kTriggerField));
        PostMessageW(dialog.controls().handle(xshoot::kTriggerField), WM_CHAR, L'a', 1);
      },
      [&] {
        EXPECT_EQ(textOf(dialog, xshoot::kTriggerField), u"A");
        EXPECT_EQ(dialog.trigger().code, VkToHid('A'));
        click(dialog, xshoot::kOk);
      },
  });
  EXPECT_EQ(result, kDialogOk);
  EXPECT_EQ(button(6).FunctionCode, kXShootCode);
  EXPECT_EQ(button(6).ParamA, 1);  // empty fields store 1
  EXPECT_EQ(button(6).ParamB, 1);
  EXPECT_EQ(button(6).ParamData[1], 4);

  // Reopened, the dialog shows the key it stored.
  CXShoot again(*record_, 6);
  RunDialog(prepared(again), owner_, {
      [&] {
        EXPECT_EQ(textOf(again, xshoot::kTriggerField), u"A");
        EXPECT_EQ(textOf(again, xshoot::kFirstField), u"1");
        click(again, xshoot::kCancel);
      },
  });
}

TEST_F(ParameterDialogs, XShootMouseTriggerAndNumbersHeldToOneByte) {
  CXShoot dialog(*record_, 2);
  RunDialog(prepared(dialog), owner_, {
      [&] { chooseFromMenu(dialog, 2); },
      [&] {
        EXPECT_EQ(textOf(dialog, xshoot::kTriggerField), u"Right");
        EXPECT_FALSE(enabled(dialog, xshoot::kTriggerField));
        type(dialog, xshoot::kFirstField, L"300");
        type(dialog, xshoot::kSecondField, L"0");
      },
      [&] {
        EXPECT_EQ(textOf(dialog, xshoot::kFirstField), u"255");
        EXPECT_EQ(textOf(dialog, xshoot::kSecondField), u"1");
        type(dialog, xshoot::kSecondField, L"42");
      },
      [&] { click(dialog, xshoot::kOk); },
  });
  EXPECT_EQ(button(2).ParamA, 255);
  EXPECT_EQ(button(2).ParamB, 42);
  EXPECT_EQ(button(2).ParamData[1], kTriggerRight);
}

TEST_F(ParameterDialogs, DpiShiftHandsBackTheChoiceOrTheFirstValue) {
  CDPIShift untouched;
  EXPECT_EQ(RunDialog(prepared(untouched), owner_, {[&] { click(untouched, dpi_shift::kOk); }}), kDialogOk);
  EXPECT_EQ(untouched.choice(), 1);

  CDPIShift dialog;
  const int result = RunDialog(prepared(dialog), owner_, {
      [&] { chooseFromMenu(dialog, 3); },
      [&] {
        EXPECT_EQ(dialog.controls().button(dpi_shift::kValueDropDown)->caption(), u"750");
        PostMessageW(dialog.hwnd(), WM_KEYDOWN, VK_RETURN, keyFlags(0x1C, false, false));
      },
  });
  EXPECT_EQ(result, kDialogOk);
  EXPECT_EQ(dialog.choice(), 3);
}

TEST_F(ParameterDialogs, DialogTakesItsPictureSizeAndOpensItsDropDown) {
  writePng(skins_.file(u"shift_main.png"), 320, 240);
  writePng(skins_.file(u"3menu_normal.png"), 120, 96);
  {
    const std::wstring ini = L"[Screen]\r\nMain=shift_main.png\r\n[BUTTONPOS]\r\n1=Fine\r\n";
    HANDLE f = CreateFileW(reinterpret_cast<const wchar_t*>(skins_.file(u"skin_shift.ini").c_str()), GENERIC_WRITE, 0,
                           nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    const wchar_t bom = 0xFEFF;
    WriteFile(f, &bom, 2, &written, nullptr);
    WriteFile(f, ini.data(), static_cast<DWORD>(ini.size() * 2), &written, nullptr);
    CloseHandle(f);
  }
  CDPIShift dialog;
  RECT placed{};
  bool opened = false;
  RunDialog(prepared(dialog), owner_, {
      [&] {
        GetWindowRect(dialog.hwnd(), &placed);
        EXPECT_EQ(dialog.controls().button(dpi_shift::kOk)->caption(), u"Fine");
        click(dialog, dpi_shift::kValueDropDown);
      },
      [&] {
        opened = dialog.dropDownOpen();
        PostMessageW(dialog.hwnd(), WM_KEYDOWN, VK_ESCAPE, keyFlags(1, false, false));  // closes the menu only
      },
      [&] {
        EXPECT_FALSE(dialog.dropDownOpen());
        EXPECT_TRUE(dialog.IsRunning());
        click(dialog, dpi_shift::kValueDropDown);
      },
      [&] {
        // The open menu takes the arrows and Enter, and its choice is the click's.
        for (int k = 0; k < 3; ++k) PostMessageW(dialog.hwnd(), WM_KEYDOWN, VK_DOWN, keyFlags(0x50, true, false));
        PostMessageW(dialog.hwnd(), WM_KEYDOWN, VK_RETURN, keyFlags(0x1C, false, false));
      },
      [&] {
        EXPECT_FALSE(dialog.dropDownOpen());
        EXPECT_EQ(dialog.choice(), 3);
        EXPECT_TRUE(dialog.IsRunning());
        click(dialog, dpi_shift::kClose);
      },
  });
  EXPECT_EQ(placed.left, 0);
  EXPECT_EQ(placed.top, 0);
  EXPECT_EQ(placed.right, 320);
  EXPECT_EQ(placed.bottom, 240);
  EXPECT_TRUE(opened);

  // Without its picture a dialog keeps its table's size.
  CDPIShift bare;
  bare.SetSkinFolder(u"Z:\\no\\such\\folder\\");
  RunDialog(bare, owner_, {[&] {
              GetWindowRect(bare.hwnd(), &placed);
              click(bare, dpi_shift::kCancel);
            }});
  EXPECT_EQ(placed.right - placed.left, kDialogWidth);
  EXPECT_EQ(placed.bottom - placed.top, kDialogHeight);
}

}  // namespace
}  // namespace ko
