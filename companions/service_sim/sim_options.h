// The simulator's command line. One program plays two roles: the resident service (a
// window that logs what the configuration program tells it) and the remote control a test
// uses to make the service speak, or to reach the running simulator.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace service_sim {

enum class Mode {
  Serve,          // own the service window and log every message it receives
  SendToMain,     // --send <msg> <w> <l>: SendMessage to the main window, print the result
  SendToService,  // --send-to-service <msg> <w> <l>: SendMessage to the running simulator
  PostToService,  // --post-to-service <msg> <w> <l>: PostMessage to the running simulator
  Ping,           // --ping: succeed when the simulator's window exists
  Quit,           // --quit: close the running simulator
};

struct Options {
  Mode mode = Mode::Serve;
  std::wstring logPath;         // --log <path>; empty: standard output
  std::wstring settingsFolder;  // --settings <folder holding Mouse.ini>; empty: the user's default
  bool busy = false;            // --busy: count clicks and report device changes, as a real service does
  uint32_t seed = 1;            // --seed <n>: the busy mode's random choices
  uint32_t message = 0;
  uint32_t wParam = 0;  // the program is 32-bit: both parameters are 32 bits wide
  int32_t lParam = 0;
};

struct ParsedOptions {
  std::optional<Options> options;
  std::string error;  // set when options is empty
};

ParsedOptions parseOptions(const std::vector<std::wstring>& arguments);

// Decimal (optionally negative) or 0x-hexadecimal; the 32-bit pattern of the value, so
// "-1" and "0xFFFFFFFF" are the same parameter. Empty for junk or values beyond 32 bits.
std::optional<uint32_t> parseParameter(const std::wstring& text);

const char* usageText();

}  // namespace service_sim
