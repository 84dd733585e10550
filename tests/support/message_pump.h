// Lets a test's windows handle what was sent or posted to them: a few rounds of the
// thread's queue with short pauses, for messages that controls post on to their owners.
#pragma once
#include <windows.h>

namespace ko::test {

inline void PumpMessages() {
  MSG msg;
  for (int round = 0; round < 3; ++round) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  }
}

}  // namespace ko::test
