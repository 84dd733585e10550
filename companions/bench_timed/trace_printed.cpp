// The timed build's recorder: every start-up phase and every first paint after a user
// action is written as one line, in milliseconds of the program's own clock, to the file
// that KOCFG_TRACE_FILE names (the benchmark sets it), or else to the standard error:
//   phase <ms since process creation> <name>
//   span <ms from the action to the paint> <action> -> <window>
//   memory <working set KB> <peak working set KB> <phase>   (after each phase line)
// The process's creation time comes from the system, so the first phase includes loading
// the executable and the runtime before any of our code ran.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <set>
#include <string>

#include "platform/timing_trace.h"

namespace {

double performanceMs() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / frequency;
}

// The performance counter's reading at the process's creation.
double creationMs() {
  static const double at = [] {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    const double counterNow = performanceMs();
    auto ticks = [](const FILETIME& t) {
      return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    };
    return counterNow - (ticks(now) - ticks(created)) / 10000.0;
  }();
  return at;
}

struct Pending {
  std::string action;
  double began = 0;
  std::set<std::string> painted;
  bool open = false;
};

Pending& pending() {
  static Pending p;
  return p;
}

FILE* output() {
  static FILE* file = [] {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"KOCFG_TRACE_FILE", path, MAX_PATH);
    FILE* opened = length > 0 && length < MAX_PATH ? _wfopen(path, L"a") : nullptr;
    return opened ? opened : stderr;
  }();
  return file;
}

}  // namespace

namespace ko::trace {

void Mark(const char* phase) {
  std::fprintf(output(), "phase %.2f %s\n", performanceMs() - creationMs(), phase);
  // The working set at the phase's end and its peak so far, in KB: where the memory goes.
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory))
    std::fprintf(output(), "memory %lu %lu %s\n", static_cast<unsigned long>(memory.WorkingSetSize / 1024),
                 static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024), phase);
  std::fflush(output());
}

void Action(const char* what) {
  Pending& p = pending();
  p.action = what;
  p.began = performanceMs();
  p.painted.clear();
  p.open = true;
}

void Describe(const char* what) {
  if (pending().open) pending().action = what;
}

void Painted(const char* window) {
  Pending& p = pending();
  if (!p.open || !p.painted.insert(window).second) return;
  std::fprintf(output(), "span %.2f %s -> %s\n", performanceMs() - p.began, p.action.c_str(), window);
  std::fflush(output());
}

}  // namespace ko::trace

namespace {
// The first of the program's static objects to be made: the time before it is the loader's
// and the runtime's; between it and "program entered", the program's static initialisation.
struct StaticStart {
  StaticStart() { ko::trace::Mark("static initialisation began"); }
};
__attribute__((init_priority(101))) StaticStart g_staticStart;
}  // namespace
