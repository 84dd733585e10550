#include "app/win/kocfg_app.h"

#include <commctrl.h>
#include <ole2.h>

#include "app/win/kocfg_dlg.h"
#include "platform/service_window.h"
#include "platform/timing_trace.h"

namespace ko {

CKocfgApp::~CKocfgApp() { ExitInstance(); }

namespace {

// A command from the command line holds the mutex for a moment without any window.
constexpr DWORD kCommandPatienceMs = 5000;
constexpr DWORD kCommandPauseMs = 20;

}  // namespace

bool CKocfgApp::TakeInstance() {
  const DWORD deadline = GetTickCount() + kCommandPatienceMs;
  for (;;) {
    mutex_ = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
    if (!mutex_ || GetLastError() != ERROR_ALREADY_EXISTS) return true;
    CloseHandle(mutex_);
    mutex_ = nullptr;
    // Another copy's window: this start ends without showing anything. Without one, a
    // command (or a window not yet titled) holds the mutex: wait for it rather than end
    // with nothing shown.
    if (FindWindowW(nullptr, reinterpret_cast<const wchar_t*>(kMainWindowTitle))) return false;
    if (static_cast<LONG>(GetTickCount() - deadline) >= 0) return false;
    Sleep(kCommandPauseMs);
  }
}

bool CKocfgApp::InitInstance() {
  trace::Mark("program entered");
  if (!TakeInstance()) return false;
  // Screen readers reach the controls' accessible objects through COM, marshalled on
  // this thread.
  const bool com = SUCCEEDED(OleInitialize(nullptr));
  gdiplus_ = std::make_unique<GdiplusSession>();
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  trace::Mark("GDI+ and common controls started");
  {
    CKocfgDlg window;
    window.DoModal();
  }
  if (com) OleUninitialize();
  return false;
}

int CKocfgApp::ExitInstance() {
  if (mutex_) {
    ReleaseMutex(mutex_);
    CloseHandle(mutex_);
    mutex_ = nullptr;
  }
  gdiplus_.reset();
  return 0;
}

}  // namespace ko
