// The busy mode: what a real service does beside the program all the time. One thread
// counts mouse clicks into "LeftCount" and "RightCount" with the profile functions every
// few milliseconds, the way a service that keeps no count of its own does: it reads the
// counter and writes it back one higher, so an increment the program writes over is lost
// for good (its tally of increments that landed tells). It also writes a key of its own
// that no message announces ("FirmwareVersion"), and reads the file the way those
// functions open it, sometimes for a long moment. Another thread reports device changes
// at random moments (1285 stage, profile or lighting, 1224 with new DPI records, 1034
// requests), writing the file a few milliseconds before the message, as the service does.
//
// A test steers it with control messages to the simulator window (see busy_control) and
// reads back its own counts; every report is noted in the log as
//   "# event <message> <wParam> <lParam> result <r>"
//   "# event 1224 stage <index> level <level> result <r>"
#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <random>
#include <string>
#include <thread>

#include "line_log.h"

namespace service_sim {

namespace busy_control {
// In the private range, handled before the message log (they are not the program's).
constexpr UINT kEvents = WM_APP + 0x3E0;  // wParam 1: report at random moments; 0: stop (after the one under way)
constexpr UINT kClicks = WM_APP + 0x3E1;  // wParam 1: count clicks; 0: stop, after writing the counts once more
constexpr UINT kQuery = WM_APP + 0x3E2;   // wParam: which number (see BusyCount)
}  // namespace busy_control

// Left and Right: what the counters must hold (the file's count at start plus every
// increment that was written); Firmware: the last version written.
enum class BusyCount : WPARAM { Left = 0, Right = 1, Writes = 2, Events = 3, LongReads = 4, Firmware = 5 };

class BusyService {
 public:
  BusyService(std::wstring settingsFile, LineLog& log, uint32_t seed);
  ~BusyService();
  BusyService(const BusyService&) = delete;
  BusyService& operator=(const BusyService&) = delete;

  // Answers a control message; false for any other message.
  bool control(UINT message, WPARAM wParam, LRESULT& result);

 private:
  void countClicks();
  void reportChanges();
  void reportOne(std::mt19937& random);
  void holdOpenForReading(DWORD ms);
  void countOne(const wchar_t* key, std::atomic<int32_t>& expected);
  int32_t readInt(const wchar_t* section, const wchar_t* key, int32_t fallback) const;
  bool writeInt(const wchar_t* section, const wchar_t* key, int32_t value);
  LRESULT send(UINT message, WPARAM wParam, LPARAM lParam);
  // Waits for the report under way, handling sent messages meanwhile: the program may be
  // sending to this window while it answers that report.
  void waitForReport();

  const std::wstring file_;
  LineLog& log_;
  const uint32_t seed_;
  std::atomic<bool> quit_{false};
  std::atomic<bool> clicking_{true};
  std::atomic<bool> reporting_{true};
  std::atomic<bool> reportUnderWay_{false};
  std::mutex clickMutex_;  // one counter write at a time; stopping waits for it
  std::atomic<int32_t> left_{0}, right_{0};
  std::atomic<int32_t> writes_{0}, events_{0}, longReads_{0}, firmware_{0};
  std::thread clicks_;
  std::thread reports_;
};

}  // namespace service_sim
