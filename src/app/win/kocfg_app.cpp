#include "app/win/kocfg_app.h"

#include <commctrl.h>

#include "app/win/kocfg_dlg.h"
#include "platform/timing_trace.h"

namespace ko {

CKocfgApp::~CKocfgApp() { ExitInstance(); }

bool CKocfgApp::InitInstance() {
  trace::Mark("program entered");
  mutex_ = CreateMutexW(nullptr, FALSE, kInstanceMutexName);
  if (mutex_ && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex_);
    mutex_ = nullptr;
    return false;
  }
  gdiplus_ = std::make_unique<GdiplusSession>();
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  trace::Mark("GDI+ and common controls started");
  {
    CKocfgDlg window;
    window.DoModal();
  }
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
