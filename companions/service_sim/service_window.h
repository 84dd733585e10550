// The simulated service: a hidden top-level window with the service's title that logs
// every private message it receives, with the state of the settings file at that moment.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

namespace service_sim {

constexpr wchar_t kServiceTitle[] = L"VX48K2MouseHid";
// Our own class, so the remote-control modes find the simulator and not a real service.
constexpr wchar_t kSimulatorClass[] = L"VX48K2ServiceSim";
constexpr wchar_t kMainWindowTitle[] = L"VX48K2 Gaming Mouse";

HWND findSimulator();

// Runs the window's message loop until it is closed; the process exit code.
// With `busy`, it also counts clicks and reports device changes (see busy_service.h).
int runService(const std::wstring& logPath, const std::wstring& settingsFile, bool busy = false, uint32_t seed = 1);

}  // namespace service_sim
