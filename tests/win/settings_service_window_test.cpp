// The Win32 half of the device-service link: the service is found by its window title
// alone, sent messages arrive before the call returns, the polling-rate message is queued.
#include <windows.h>
#include <gtest/gtest.h>

#include <vector>
#include "platform/service_window.h"
#include "settings/service_link.h"

namespace ko {
namespace {

struct Received {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<Received> g_received;

LRESULT CALLBACK serviceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_USER) {
    g_received.push_back({message, wParam, lParam});
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A stand-in service window with the real title, under an unrelated class name.
class FakeServiceWindow {
 public:
  FakeServiceWindow() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = serviceProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"KoTestServiceClass";
    RegisterClassW(&wc);
    window_ = CreateWindowExW(0, wc.lpszClassName, reinterpret_cast<const wchar_t*>(kServiceWindowTitle),
                              WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
  }
  ~FakeServiceWindow() {
    if (window_) DestroyWindow(window_);
  }
  FakeServiceWindow(const FakeServiceWindow&) = delete;
  FakeServiceWindow& operator=(const FakeServiceWindow&) = delete;
  HWND handle() const { return window_; }

 private:
  HWND window_ = nullptr;
};

void pumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

TEST(ServiceWindowOnWindows, NothingIsFoundOrSentWhileTheServiceIsAbsent) {
  if (FindWindowW(nullptr, reinterpret_cast<const wchar_t*>(kServiceWindowTitle)))
    GTEST_SKIP() << "a device service is running on this machine";
  g_received.clear();
  EXPECT_EQ(platformServiceWindow().find(), 0u);
  EXPECT_FALSE(notifyService(platformServiceWindow(), lightingChangedNotice()));
}

TEST(ServiceWindowOnWindows, SendsSynchronouslyAndPostsThePollingRate) {
  FakeServiceWindow service;
  ASSERT_NE(service.handle(), nullptr);
  g_received.clear();
  ServiceWindow& link = platformServiceWindow();
  EXPECT_EQ(link.find(), reinterpret_cast<ServiceWindowHandle>(service.handle()));

  EXPECT_TRUE(notifyService(link, buttonAssignmentNotice(2, 6)));
  ASSERT_EQ(g_received.size(), 1u);  // handled before the call returned
  EXPECT_EQ(g_received[0].message, 1299u);
  EXPECT_EQ(g_received[0].wParam, 2u);
  EXPECT_EQ(g_received[0].lParam, 6);

  EXPECT_TRUE(notifyService(link, *pollingRateNotice(1)));
  EXPECT_EQ(g_received.size(), 1u);  // queued, not yet handled
  pumpMessages();
  ASSERT_EQ(g_received.size(), 2u);
  EXPECT_EQ(g_received[1].message, 1277u);
  EXPECT_EQ(g_received[1].lParam, 3);
}

}  // namespace
}  // namespace ko
