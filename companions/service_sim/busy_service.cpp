#include "busy_service.h"

#include <chrono>
#include <cstdio>

#include "service_window.h"

namespace service_sim {
namespace {

constexpr UINT kSendTimeoutMs = 15000;
constexpr UINT kDeviceChanged = 1285;
constexpr UINT kDpiInfosChanged = 1224;
constexpr UINT kRequest = 1034;

void pause(DWORD ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

int uniform(std::mt19937& random, int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

std::wstring profileSection(int32_t profile) {
  return profile < 1 ? std::wstring(L"GROUP") : L"GROUP" + std::to_wstring(profile);
}

}  // namespace

BusyService::BusyService(std::wstring settingsFile, LineLog& log, uint32_t seed)
    : file_(std::move(settingsFile)), log_(log), seed_(seed) {
  left_ = readInt(L"Setting", L"LeftCount", 0);
  right_ = readInt(L"Setting", L"RightCount", 0);
  log_.write("# busy: counting from left " + std::to_string(left_) + " right " + std::to_string(right_) + "\n");
  clicks_ = std::thread([this] { countClicks(); });
  reports_ = std::thread([this] { reportChanges(); });
}

BusyService::~BusyService() {
  quit_ = true;
  clicks_.join();
  // The report thread may be waiting for the program, which may be waiting for this
  // window: keep answering until it is done.
  while (reportUnderWay_) waitForReport();
  reports_.join();
}

int32_t BusyService::readInt(const wchar_t* section, const wchar_t* key, int32_t fallback) const {
  return static_cast<int32_t>(GetPrivateProfileIntW(section, key, fallback, file_.c_str()));
}

bool BusyService::writeInt(const wchar_t* section, const wchar_t* key, int32_t value) {
  const bool written = WritePrivateProfileStringW(section, key, std::to_wstring(value).c_str(), file_.c_str()) != FALSE;
  ++writes_;
  return written;
}

void BusyService::countOne(const wchar_t* key, std::atomic<int32_t>& expected) {
  // No count of its own: what the file holds, plus one. A write the profile functions
  // refused (the file held without sharing just then) is a click that was not counted.
  const int32_t now = readInt(L"Setting", key, 0);
  if (writeInt(L"Setting", key, now + 1)) ++expected;
}

void BusyService::holdOpenForReading(DWORD ms) {
  // The profile functions' sharing: others may read and write, nobody may delete or
  // rename the file while it is open.
  HANDLE file = CreateFileW(file_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) {
  }
  pause(ms);
  CloseHandle(file);
}

void BusyService::countClicks() {
  std::mt19937 random(seed_);
  while (!quit_) {
    pause(static_cast<DWORD>(uniform(random, 2, 6)));
    if (clicking_) {
      std::lock_guard<std::mutex> lock(clickMutex_);
      if (clicking_) {
        if (uniform(random, 0, 2) != 0)
          countOne(L"LeftCount", left_);
        else
          countOne(L"RightCount", right_);
        if (uniform(random, 0, 99) == 0 && writeInt(L"Setting", L"FirmwareVersion", firmware_ + 1)) ++firmware_;
      }
    }
    const int dice = uniform(random, 0, 399);
    if (dice < 40) readInt(L"Setting", L"DPI", -1);
    if (dice < 10) holdOpenForReading(static_cast<DWORD>(uniform(random, 5, 40)));
    if (dice == 0) {
      // Longer than the program waits for the file: it has to write in place.
      holdOpenForReading(static_cast<DWORD>(uniform(random, 300, 400)));
      ++longReads_;
    }
  }
}

LRESULT BusyService::send(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND main = FindWindowW(nullptr, kMainWindowTitle);
  if (main == nullptr) return -1000;
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(main, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result)) return -1001;
  return static_cast<LRESULT>(result);
}

void BusyService::reportOne(std::mt19937& random) {
  const int kind = uniform(random, 0, 5);
  std::string note;
  LRESULT result = 0;
  if (kind <= 2) {
    // A change made with the mouse's own buttons: the service stores it, then tells.
    WPARAM what = 0;
    int32_t value = 0;
    if (kind == 0) {
      what = 8;
      value = uniform(random, 0, 5);
      writeInt(L"Setting", L"DPI", value);
      writeInt(profileSection(readInt(L"Setting", L"Profile", 0)).c_str(), L"DPI", value);
    } else if (kind == 1) {
      what = 9;
      value = uniform(random, 0, 4);
      writeInt(L"Setting", L"Profile", value);
    } else {
      static const int32_t kLighting[] = {1, 2, 4, 16, 8};
      what = 10;
      value = kLighting[uniform(random, 0, 4)];
      writeInt(L"Setting", L"LedMode", value == 1 ? 3 : value == 2 ? 4 : value == 4 || value == 16 ? 2 : 1);
      writeInt(L"Setting", L"LedStateOn", value == 16 ? 0 : 1);
    }
    // The message follows the write a moment later: a save of the program's in between
    // must keep what was written.
    pause(static_cast<DWORD>(uniform(random, 2, 8)));
    result = send(kDeviceChanged, what, value);
    note = "# event 1285 " + std::to_string(what) + " " + std::to_string(value);
  } else if (kind == 3) {
    const int stage = uniform(random, 0, 5);
    const int32_t level = uniform(random, 1, 12);
    const int32_t words[4] = {0, level, level, level};
    WritePrivateProfileStructW(L"Setting", (L"DPI_INFO" + std::to_wstring(stage + 1)).c_str(),
                               const_cast<int32_t*>(words), sizeof words, file_.c_str());
    ++writes_;
    result = send(kDpiInfosChanged, 0, 0);
    note = "# event 1224 stage " + std::to_string(stage) + " level " + std::to_string(level);
  } else {
    // Apply (the program saves and answers 1279), or the requests it ignores.
    static const int32_t kRequests[] = {12, 18, 20};
    const int32_t request = kRequests[uniform(random, 0, 2)];
    result = send(kRequest, 0, request);
    note = "# event 1034 0 " + std::to_string(request);
  }
  ++events_;
  log_.write(note + " result " + std::to_string(static_cast<long>(result)) + "\n");
}

void BusyService::reportChanges() {
  std::mt19937 random(seed_ * 7919u + 1u);
  while (!quit_) {
    pause(static_cast<DWORD>(uniform(random, 150, 900)));
    reportUnderWay_ = true;
    if (reporting_ && !quit_) reportOne(random);
    reportUnderWay_ = false;
  }
}

void BusyService::waitForReport() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  pause(1);
}

bool BusyService::control(UINT message, WPARAM wParam, LRESULT& result) {
  switch (message) {
    case busy_control::kEvents:
      reporting_ = wParam != 0;
      while (!reporting_ && reportUnderWay_) waitForReport();
      result = 0;
      return true;
    case busy_control::kClicks:
      if (wParam != 0) {
        clicking_ = true;
      } else {
        clicking_ = false;
        std::lock_guard<std::mutex> lock(clickMutex_);
      }
      result = 0;
      return true;
    case busy_control::kQuery:
      switch (static_cast<BusyCount>(wParam)) {
        case BusyCount::Left: result = left_; break;
        case BusyCount::Right: result = right_; break;
        case BusyCount::Writes: result = writes_; break;
        case BusyCount::Events: result = events_; break;
        case BusyCount::LongReads: result = longReads_; break;
        case BusyCount::Firmware: result = firmware_; break;
        default: result = -1; break;
      }
      return true;
    default: return false;
  }
}

}  // namespace service_sim
