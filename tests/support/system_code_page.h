// Runs a test as on a system whose ANSI code page is `page`. Natively the page is set for
// the guard's lifetime; on Windows it is the system's own (a Wine prefix started under
// LC_ALL=zh_CN.UTF-8 has 936), and active() tells whether the test can run.
#pragma once
#include <cstdint>
#include "platform/code_page.h"
#ifdef _WIN32
#include <windows.h>
#endif

namespace ko::test {

class SystemCodePage {
 public:
  explicit SystemCodePage(uint32_t page) {
#ifdef _WIN32
    active_ = GetACP() == page;
#else
    before_ = ansiCodePage();
    setAnsiCodePage(page);
    active_ = true;
#endif
  }
  ~SystemCodePage() {
#ifndef _WIN32
    setAnsiCodePage(before_);
#endif
  }
  SystemCodePage(const SystemCodePage&) = delete;
  SystemCodePage& operator=(const SystemCodePage&) = delete;

  bool active() const { return active_; }

 private:
  bool active_ = false;
  uint32_t before_ = 0;
};

}  // namespace ko::test
