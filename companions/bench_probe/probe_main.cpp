// kocfg_probe <Kocfg.exe> [runs]: starts the program `runs` times (default 5) and prints the
// medians of what a user feels: the time from the start to the first painted frame of the
// main window, the peak working set after start-up and after every page has been shown,
// and a drag of the DPI level slider over twelve positions, each of which saves the file.
//
// The probe drives the real window from outside, as a user's mouse would: it finds the
// skinned buttons as child windows under their points and sends them the mouse messages.
#include <windows.h>
#include <psapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kTitle[] = L"VX48K2 Gaming Mouse";
constexpr DWORD kMessageTimeout = 10000;

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

struct FindArgs {
  DWORD process;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM param) {
  auto* args = reinterpret_cast<FindArgs*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t title[64] = {};
  GetWindowTextW(window, title, 64);
  if (owner == args->process && wcscmp(title, kTitle) == 0) {
    args->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND mainWindowOf(DWORD process) {
  FindArgs args{process, nullptr};
  EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&args));
  return args.found;
}

// Visible and painted: nothing left in its update region.
bool painted(HWND window) { return IsWindowVisible(window) && !GetUpdateRect(window, nullptr, FALSE); }

size_t peakWorkingSet(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  return GetProcessMemoryInfo(process, &counters, sizeof counters) ? counters.PeakWorkingSetSize : 0;
}

// Waits until the window has handled everything sent before, and has painted.
void settle(HWND window) {
  DWORD_PTR result = 0;
  for (int i = 0; i < 200; ++i) {
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, kMessageTimeout, &result);
    if (painted(window)) break;
    Sleep(5);
  }
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
  send(target, WM_MOUSEMOVE, 0, point);
  send(target, WM_LBUTTONDOWN, MK_LBUTTON, point);
  send(target, WM_LBUTTONUP, 0, point);
  settle(main);
  return true;
}

// The page buttons of the main page and the back button every sub-page has.
const RECT kPageButtons[] = {{98, 260, 199, 291}, {721, 260, 822, 291}, {98, 378, 199, 409}, {721, 378, 822, 409}};
constexpr RECT kPerformancePage = {98, 378, 199, 409};
constexpr RECT kBackButton = {780, 511, 858, 536};
constexpr RECT kDpiSlider = {327, 293, 752, 308};

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

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: kocfg_probe <Kocfg.exe> [runs]\n");
    return 2;
  }
  const std::wstring program = argv[1];
  const int runs = std::max(1, argc > 2 ? _wtoi(argv[2]) : 5);
  std::wstring folder = program.substr(0, program.find_last_of(L"\\/") + 1);
  const std::wstring file = settingsFile();

  std::vector<double> startup, memoryStart, memoryPages, dragSent, dragSaved;
  int changes = 0, failures = 0;
  for (int run = 0; run < runs; ++run) {
    STARTUPINFOW startupInfo{};
    startupInfo.cb = sizeof startupInfo;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    const double began = nowMs();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startupInfo, &process)) {
      std::fprintf(stderr, "cannot start the program (error %lu)\n", GetLastError());
      return 1;
    }
    HWND main = nullptr;
    while (nowMs() - began < 30000) {
      if (!main) main = mainWindowOf(process.dwProcessId);
      if (main && painted(main)) break;
      if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
      Sleep(1);
    }
    if (main && painted(main)) {
      startup.push_back(nowMs() - began);
      WaitForInputIdle(process.hProcess, 5000);
      settle(main);
      memoryStart.push_back(peakWorkingSet(process.hProcess) / 1048576.0);
      bool visited = true;
      for (const RECT& page : kPageButtons) visited = click(main, page) && click(main, kBackButton) && visited;
      memoryPages.push_back(peakWorkingSet(process.hProcess) / 1048576.0);
      if (!visited) ++failures;
      if (click(main, kPerformancePage)) {
        const Drag drag = dragSlider(main, file);
        if (drag.sentMs >= 0) dragSent.push_back(drag.sentMs);
        if (drag.lastSaveMs >= 0) dragSaved.push_back(drag.lastSaveMs);
        changes += drag.changesSeen;
        click(main, kBackButton);
      }
      PostMessageW(main, WM_CLOSE, 0, 0);
    } else {
      ++failures;
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
      TerminateProcess(process.hProcess, 1);
      WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }

  std::printf("program runs: %d (%d with a step that found no window or control)\n", runs, failures);
  std::printf("%-44s median %9.1f ms\n", "start-up to first painted frame", median(startup));
  std::printf("%-44s median %9.1f MB\n", "peak working set after start-up", median(memoryStart));
  std::printf("%-44s median %9.1f MB\n", "peak working set after every page", median(memoryPages));
  if (dragSent.empty()) {
    std::printf("%-44s no slider found on the performance page\n", "slider drag, 12 positions");
  } else {
    std::printf("%-44s median %9.1f ms (%.1f ms a position)\n", "slider drag, 12 positions, messages handled",
                median(dragSent), median(dragSent) / 12);
    std::printf("%-44s median %9.1f ms; %d file changes seen in %d drags\n", "slider drag, 12 positions, last save",
                median(dragSaved), changes, static_cast<int>(dragSent.size()));
  }
  return failures == runs ? 1 : 0;
}
