// kocfg_probe <Kocfg.exe> [runs] [--floor <floor.exe> <picture>] [--dialogs]
//
// Starts the program `runs` times (default 5) and prints the medians of what a user feels:
// the time from the start to the first painted frame of the main window (the window and
// every control it shows painted), the peak working
// set one second after the start; in the first three runs also the peak working set after
// every page (and, with --dialogs, every dialog) has been shown, and a drag of the DPI
// level slider over twelve positions, each of which saves the file. With --floor it starts the floor program as often, alternately with the
// program, and prints each figure beside the floor's with the ratio.
//
// The probe drives the real window from outside, as a user's mouse would: it finds the
// skinned buttons as child windows under their points and sends them the mouse messages.
#include <windows.h>
#include <psapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kTitle[] = L"VX48K2 Gaming Mouse";
constexpr UINT kMenuChoiceMessage = 0x501;
constexpr int kVisitRuns = 3;
constexpr DWORD kMessageTimeout = 10000;
constexpr DWORD kDisplayMomentMs = 100;

double nowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// A top-level window of a process: the one with the main window's title, or else a visible
// one other than those named (a dialog, other than the main window and an open menu).
struct WindowSearch {
  DWORD process;
  bool byTitle;
  HWND other[2];
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process) return TRUE;
  bool match = false;
  if (search->byTitle) {
    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    match = wcscmp(title, kTitle) == 0;
  } else {
    match = IsWindowVisible(window) && window != search->other[0] && window != search->other[1];
  }
  if (match) search->found = window;
  return match ? FALSE : TRUE;
}

HWND findWindow(WindowSearch search) {
  EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND mainWindowOf(DWORD process) { return findWindow({process, true, {nullptr, nullptr}, nullptr}); }

HWND otherWindowOf(DWORD process, HWND main, HWND besides = nullptr) {
  return findWindow({process, false, {main, besides}, nullptr});
}

BOOL CALLBACK findUnpaintedChild(HWND child, LPARAM unpainted) {
  if (!IsWindowVisible(child) || !GetUpdateRect(child, nullptr, FALSE)) return TRUE;
  *reinterpret_cast<bool*>(unpainted) = true;
  return FALSE;
}

// Visible and painted whole: nothing left in its update region nor in any shown child's.
bool painted(HWND window) {
  if (!IsWindowVisible(window) || GetUpdateRect(window, nullptr, FALSE)) return false;
  bool unpainted = false;
  EnumChildWindows(window, findUnpaintedChild, reinterpret_cast<LPARAM>(&unpainted));
  return !unpainted;
}

size_t peakWorkingSet(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  return GetProcessMemoryInfo(process, &counters, sizeof counters) ? counters.PeakWorkingSetSize : 0;
}

// Waits until the window has handled everything sent before and has painted, and then a
// moment more: a person's clicks come no faster, and a click sent while the display is
// still showing the last page measures the display's backlog (under Wine the X server's),
// not the program.
void settle(HWND window) {
  DWORD_PTR result = 0;
  for (int i = 0; i < 200; ++i) {
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, kMessageTimeout, &result);
    if (painted(window)) break;
    Sleep(5);
  }
  Sleep(kDisplayMomentMs);
}

// The child window under a point of the main window's client area, and the point in its
// own coordinates.
HWND childAt(HWND main, POINT& point) {
  HWND child = ChildWindowFromPointEx(main, point, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
  if (!child || child == main) return nullptr;
  MapWindowPoints(main, child, &point, 1);
  return child;
}

void send(HWND window, UINT message, WPARAM flags, POINT at) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, flags, MAKELPARAM(at.x, at.y), SMTO_BLOCK, kMessageTimeout, &result);
}

bool click(HWND main, RECT area) {
  POINT point{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
  HWND target = childAt(main, point);
  if (!target) return false;
  // As the system does when the pointer comes over a window: the cursor is asked for first.
  DWORD_PTR result = 0;
  SendMessageTimeoutW(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE),
                      SMTO_BLOCK, kMessageTimeout, &result);
  send(target, WM_MOUSEMOVE, 0, point);
  send(target, WM_LBUTTONDOWN, MK_LBUTTON, point);
  send(target, WM_LBUTTONUP, 0, point);
  settle(main);
  return true;
}

// A click whose handling opens a modal window: posted, so the probe is not held up by the
// modal loop it starts.
bool postClick(HWND main, RECT area) {
  POINT point{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
  HWND target = childAt(main, point);
  if (!target) return false;
  PostMessageW(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  PostMessageW(target, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
  PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
  PostMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
  return true;
}

// The page buttons of the main page and the back button every sub-page has.
const RECT kPageButtons[] = {{98, 260, 199, 291}, {721, 260, 822, 291}, {98, 378, 199, 409}, {721, 378, 822, 409}};
constexpr RECT kPerformancePage = {98, 378, 199, 409};
constexpr RECT kBackButton = {780, 511, 858, 536};
constexpr RECT kDpiSlider = {327, 293, 752, 308};
constexpr RECT kButtonsPage = {98, 260, 199, 291};
constexpr RECT kMacrosPage = {721, 378, 822, 409};
constexpr RECT kFourthSlot = {292, 308, 477, 331};
constexpr RECT kNewMacro = {216, 140, 264, 163};
constexpr RECT kDeleteMacro = {268, 140, 316, 163};
constexpr RECT kRenameMacro = {319, 140, 377, 163};

// The assignment menu's choices that open a dialog: "ADVANCEDCOMMAND" (8) and the sub-item.
constexpr uint32_t kDialogChoices[] = {(8u << 16) | 5, (8u << 16) | 101, (8u << 16) | 9, (8u << 16) | 15};

// Waits for a dialog of the process to show and paint, then closes it as its close
// request would (the dialogs take that as Cancel) and waits for it to go.
bool closeDialog(DWORD process, HWND main, HWND menu = nullptr, UINT closing = WM_CLOSE, WPARAM closingParam = 0) {
  HWND dialog = nullptr;
  for (const double began = nowMs(); nowMs() - began < 10000; Sleep(2)) {
    dialog = otherWindowOf(process, main, menu);
    if (dialog && painted(dialog)) break;
  }
  if (!dialog) return false;
  PostMessageW(dialog, closing, closingParam, 0);
  for (const double began = nowMs(); nowMs() - began < 10000; Sleep(2))
    if (!IsWindow(dialog) || !IsWindowVisible(dialog)) break;
  settle(main);
  return true;
}

// Opens each assignment dialog from the menu of the fourth slot, and the macro page's
// rename dialog for a new macro, closing each again; the macro is deleted afterwards.
bool openEveryDialog(DWORD process, HWND main) {
  bool all = click(main, kButtonsPage);
  for (uint32_t choice : kDialogChoices) {
    all = click(main, kFourthSlot) && all;
    HWND menu = otherWindowOf(process, main);  // the assignment menu, closed by the choice
    PostMessageW(main, kMenuChoiceMessage, 0, choice);
    all = closeDialog(process, main, menu) && all;
  }
  all = click(main, kBackButton) && all;
  all = click(main, kMacrosPage) && all;
  all = click(main, kNewMacro) && all;
  all = postClick(main, kRenameMacro) && all;
  all = closeDialog(process, main) && all;
  all = postClick(main, kDeleteMacro) && all;
  all = closeDialog(process, main, nullptr, WM_COMMAND, IDOK) && all;  // the deletion's confirmation
  all = click(main, kBackButton) && all;
  return all;
}

std::wstring settingsFile() {
  wchar_t roaming[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, roaming);
  std::wstring folder = std::wstring(roaming) + L"\\VX48K2\\RoduraZoviv\\";
  SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);  // the installer's part: the folder exists
  return folder + L"Mouse.ini";
}

ULONGLONG lastWrite(const std::wstring& file) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

struct Drag {
  double sentMs = -1;      // from the button going down to the button coming up
  double lastSaveMs = -1;  // from the button going down to the file's last change
  int changesSeen = 0;
};

Drag dragSlider(HWND main, const std::wstring& file) {
  Drag drag;
  POINT start{kDpiSlider.left + 8, (kDpiSlider.top + kDpiSlider.bottom) / 2};
  HWND slider = childAt(main, start);
  if (!slider) return drag;
  RECT track;
  GetClientRect(slider, &track);
  const int width = track.right - track.left;
  const double began = nowMs();
  ULONGLONG seen = lastWrite(file);
  double lastChange = -1;
  auto watch = [&] {
    const ULONGLONG now = lastWrite(file);
    if (now != seen) {
      seen = now;
      lastChange = nowMs();
      ++drag.changesSeen;
    }
  };
  send(slider, WM_LBUTTONDOWN, MK_LBUTTON, start);
  for (int step = 1; step <= 12; ++step) {
    POINT at{start.x + (width - 2 * start.x) * step / 12, start.y};
    send(slider, WM_MOUSEMOVE, MK_LBUTTON, at);
    watch();
  }
  POINT end{start.x + (width - 2 * start.x), start.y};
  send(slider, WM_LBUTTONUP, 0, end);
  drag.sentMs = nowMs() - began;
  // Saves the slider posts on to the window land a little later; wait until quiet.
  for (double quietSince = nowMs(); nowMs() - quietSince < 300;) {
    const int before = drag.changesSeen;
    watch();
    if (drag.changesSeen != before) quietSince = nowMs();
    Sleep(1);
  }
  if (lastChange >= 0) drag.lastSaveMs = lastChange - began;
  settle(main);
  return drag;
}

struct Started {
  PROCESS_INFORMATION process{};
  HWND main = nullptr;
  double startupMs = -1;
  double memoryMb = 0;  // peak working set one second after the start
};

// Starts a program and waits for its painted main window, then until one second after
// the start, and reads the peak working set.
Started start(const std::wstring& program, const std::wstring& arguments) {
  Started s;
  STARTUPINFOW startupInfo{};
  startupInfo.cb = sizeof startupInfo;
  std::wstring commandLine = L"\"" + program + L"\"" + arguments;
  const std::wstring folder = program.substr(0, program.find_last_of(L"\\/") + 1);
  const double began = nowMs();
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startupInfo, &s.process)) {
    std::fprintf(stderr, "cannot start %ls (error %lu)\n", program.c_str(), GetLastError());
    return s;
  }
  while (nowMs() - began < 30000) {
    if (!s.main) s.main = mainWindowOf(s.process.dwProcessId);
    if (s.main && painted(s.main)) break;
    if (WaitForSingleObject(s.process.hProcess, 0) == WAIT_OBJECT_0) break;
    Sleep(1);
  }
  if (!s.main || !painted(s.main)) {
    s.main = nullptr;
    return s;
  }
  s.startupMs = nowMs() - began;
  WaitForInputIdle(s.process.hProcess, 5000);
  settle(s.main);
  const double second = began + 1000 - nowMs();
  if (second > 0) Sleep(static_cast<DWORD>(second));
  s.memoryMb = peakWorkingSet(s.process.hProcess) / 1048576.0;
  return s;
}

void finish(Started& s) {
  if (s.main) PostMessageW(s.main, WM_CLOSE, 0, 0);
  if (!s.process.hProcess) return;
  if (WaitForSingleObject(s.process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(s.process.hProcess, 1);
    WaitForSingleObject(s.process.hProcess, 5000);
  }
  CloseHandle(s.process.hThread);
  CloseHandle(s.process.hProcess);
}

void printFigure(const char* name, const char* unit, double program, double floor, bool withFloor) {
  if (!withFloor) {
    std::printf("%-46s %9.1f %s\n", name, program, unit);
    return;
  }
  std::printf("%-46s %9.1f %s   floor %9.1f %s   ratio %5.2f\n", name, program, unit, floor, unit,
              floor > 0 ? program / floor : 0.0);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: kocfg_probe <Kocfg.exe> [runs] [--floor <floor.exe> <picture>] [--dialogs]\n");
    return 2;
  }
  const std::wstring program = argv[1];
  int runs = 5;
  std::wstring floorProgram, floorPicture;
  bool dialogs = false;
  for (int i = 2; i < argc; ++i) {
    const std::wstring arg = argv[i];
    if (arg == L"--floor" && i + 2 < argc) {
      floorProgram = argv[++i];
      floorPicture = argv[++i];
    } else if (arg == L"--dialogs") {
      dialogs = true;
    } else {
      runs = std::max(1, _wtoi(arg.c_str()));
    }
  }
  const bool withFloor = !floorProgram.empty();
  const std::wstring file = settingsFile();

  std::vector<double> startup, memoryStart, memoryAll, dragSent, dragSaved, floorStartup, floorMemory;
  int changes = 0, failures = 0, floorFailures = 0;
  for (int run = 0; run < runs; ++run) {
    // Alternately, so that a busy moment of the machine weighs on both alike.
    if (withFloor) {
      Started floor = start(floorProgram, L" \"" + floorPicture + L"\"");
      if (floor.main) {
        floorStartup.push_back(floor.startupMs);
        floorMemory.push_back(floor.memoryMb);
      } else {
        ++floorFailures;
      }
      finish(floor);
    }
    Started s = start(program, L"");
    if (!s.main) {
      ++failures;
      finish(s);
      continue;
    }
    startup.push_back(s.startupMs);
    memoryStart.push_back(s.memoryMb);
    // Every page and dialog, and the drag, in the first runs only: start-up is what varies
    // most from run to run and gets the most samples.
    if (run >= kVisitRuns) {
      finish(s);
      continue;
    }
    bool visited = true;
    for (const RECT& page : kPageButtons) visited = click(s.main, page) && click(s.main, kBackButton) && visited;
    if (dialogs) visited = openEveryDialog(s.process.dwProcessId, s.main) && visited;
    memoryAll.push_back(peakWorkingSet(s.process.hProcess) / 1048576.0);
    if (!visited) ++failures;
    if (click(s.main, kPerformancePage)) {
      const Drag drag = dragSlider(s.main, file);
      if (drag.sentMs >= 0) dragSent.push_back(drag.sentMs);
      if (drag.lastSaveMs >= 0) dragSaved.push_back(drag.lastSaveMs);
      changes += drag.changesSeen;
      click(s.main, kBackButton);
    }
    finish(s);
  }

  std::printf("program runs: %d (%d with a step that found no window or control)", runs, failures);
  if (withFloor) std::printf("; floor runs: %d (%d failed)", runs, floorFailures);
  std::printf("\n");
  printFigure("start-up to first painted frame, median", "ms", median(startup), median(floorStartup), withFloor);
  printFigure("peak working set 1 s after start, median", "MB", median(memoryStart), median(floorMemory), withFloor);
  printFigure(dialogs ? "peak working set after every page and dialog" : "peak working set after every page", "MB",
              median(memoryAll), median(floorMemory), withFloor);
  if (dragSent.empty()) {
    std::printf("%-46s no slider found on the performance page\n", "slider drag, 12 positions");
  } else {
    std::printf("%-46s %9.1f ms (%.1f ms a position)\n", "slider drag, 12 positions, messages handled",
                median(dragSent), median(dragSent) / 12);
    std::printf("%-46s %9.1f ms; %d file changes seen in %d drags\n", "slider drag, 12 positions, last save",
                median(dragSaved), changes, static_cast<int>(dragSent.size()));
  }
  return failures == runs ? 1 : 0;
}
