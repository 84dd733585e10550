// service_sim: stands in for the resident device service (see service_window.h) and,
// invoked again, is the remote control a test uses to make the "service" speak.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "service_window.h"
#include "settings_file.h"
#include "sim_options.h"

namespace service_sim {
namespace {

// Bounded so a hung program fails the test instead of hanging it.
constexpr UINT kSendTimeoutMs = 15000;

int sendAndReport(HWND target, const Options& options) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(target, options.message, options.wParam, options.lParam, SMTO_NORMAL, kSendTimeoutMs, &result)) {
    std::fprintf(stderr, "message %u not handled within %u ms\n", options.message, kSendTimeoutMs);
    return 3;
  }
  std::printf("result %ld\n", static_cast<long>(static_cast<LRESULT>(result)));
  std::fflush(stdout);
  return 0;
}

int remoteControl(const Options& options) {
  HWND target = options.mode == Mode::SendToMain ? FindWindowW(nullptr, kMainWindowTitle) : findSimulator();
  if (target == nullptr) {
    std::fprintf(stderr, "no window %s\n", options.mode == Mode::SendToMain ? "\"VX48K2 Gaming Mouse\"" : "of a running service_sim");
    return 2;
  }
  switch (options.mode) {
    case Mode::SendToMain:
    case Mode::SendToService:
      return sendAndReport(target, options);
    case Mode::PostToService:
      return PostMessageW(target, options.message, options.wParam, options.lParam) ? 0 : 3;
    case Mode::Quit: {
      DWORD_PTR ignored = 0;
      return SendMessageTimeoutW(target, WM_CLOSE, 0, 0, SMTO_NORMAL, kSendTimeoutMs, &ignored) ? 0 : 3;
    }
    case Mode::Ping:
    case Mode::Serve:
      break;
  }
  return 0;
}

}  // namespace
}  // namespace service_sim

int wmain(int argc, wchar_t** argv) {
  using namespace service_sim;
  ParsedOptions parsed = parseOptions(std::vector<std::wstring>(argv + 1, argv + argc));
  if (!parsed.options) {
    std::fprintf(stderr, "%s\n%s", parsed.error.c_str(), usageText());
    return 2;
  }
  const Options& options = *parsed.options;
  if (options.mode == Mode::Serve)
    return runService(options.logPath, settingsFilePath(options.settingsFolder), options.busy, options.seed);
  return remoteControl(options);
}
