// The main window's start and end on the real window system: while it runs the program
// folder is the working directory, its minimise button minimises it, and closing it gives
// the starter's directory back.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/win/kocfg_dlg.h"
#include "skin/win/skin_image.h"
#include "support/temp_dir.h"

namespace ko {
namespace {

Text CurrentDirectory() {
  wchar_t buffer[MAX_PATH + 1] = {};
  const DWORD length = GetCurrentDirectoryW(MAX_PATH, buffer);
  return length > 0 && length < MAX_PATH ? Text(reinterpret_cast<const char16_t*>(buffer)) : Text();
}

Text g_directoryWhileOpen;
bool g_sawWindow = false;
bool g_minimisedByItsButton = false;
int g_step = 0;

// A click as the user makes it, on whatever control stands at a window point.
void ClickAt(HWND window, POINT at) {
  HWND control = ChildWindowFromPointEx(window, at, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
  if (!control || control == window) return;
  MapWindowPoints(window, control, &at, 1);
  SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
  SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

// Runs inside the window's own message loop, one step a tick: notes the directory and
// clicks the minimise button, then sees the window minimised and closes it as its close
// button's command would.
void CALLBACK DriveTheWindow(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND window = FindWindowW(L"KocfgMainWindow", nullptr);
  if (!window || !IsWindowVisible(window)) return;
  if (g_step++ == 0) {
    g_sawWindow = true;
    g_directoryWhileOpen = CurrentDirectory();
    ClickAt(window, POINT{826, 38});  // the minimise button of the frame
    return;
  }
  KillTimer(nullptr, timer);
  g_minimisedByItsButton = IsIconic(window) != FALSE;
  PostMessageW(window, WM_CLOSE, 0, 0);
}

TEST(MainWindowOnWindows, MinimisesByItsButtonAndClosingRestoresTheWorkingDirectory) {
  test::TempDir starter;
  const Text startDirectory = starter.folder().substr(0, starter.folder().size() - 1);
  ASSERT_TRUE(SetCurrentDirectoryW(reinterpret_cast<const wchar_t*>(startDirectory.c_str())));
  const Text before = CurrentDirectory();
  GdiplusSession gdiplus;
  SetTimer(nullptr, 0, 200, DriveTheWindow);
  {
    CKocfgDlg window;
    window.DoModal();
  }
  ASSERT_TRUE(g_sawWindow);
  EXPECT_TRUE(g_minimisedByItsButton);
  EXPECT_NE(g_directoryWhileOpen, before);  // the program folder while it ran
  EXPECT_EQ(CurrentDirectory(), before);
  SetCurrentDirectoryW(L"C:\\");  // so that the temporary folder can go
}

}  // namespace
}  // namespace ko
