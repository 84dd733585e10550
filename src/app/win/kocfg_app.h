// The application object: one copy per log-on, GDI+ for the program's life, and the main
// window run until it closes.
#pragma once
#include <windows.h>
#include <memory>
#include "skin/win/skin_image.h"

namespace ko {

// One copy per log-on: the name of the mutex whose existence says that one runs.
inline constexpr wchar_t kInstanceMutexName[] = L"VX48K2 Gaming Mouse_Mutex";

class CKocfgApp {
 public:
  CKocfgApp() = default;
  CKocfgApp(const CKocfgApp&) = delete;
  CKocfgApp& operator=(const CKocfgApp&) = delete;
  ~CKocfgApp();

  // False when another copy runs (this one then ends without a window); otherwise runs
  // the main window to its end and returns false as well: nothing keeps the process alive.
  bool InitInstance();
  int ExitInstance();

 private:
  // Creates the instance mutex; false when another copy's window runs or is starting.
  bool TakeInstance();

  HANDLE mutex_ = nullptr;
  std::unique_ptr<GdiplusSession> gdiplus_;
};

}  // namespace ko
