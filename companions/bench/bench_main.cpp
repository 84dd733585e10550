// kocfg_bench [runs]: medians of the settings file's core operations on a full-size
// "Mouse.ini" that other writers have filled too. Each operation runs `runs` times (default
// 25); the batched and the key-by-key save are measured in the same run on the same file,
// so the ratio compares like with like. Then the one-key save step by step, as the save marks
// its steps (platform/save_steps.h): read, decode, parse, merge, render, journal, write.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>
#include "platform/file_system.h"
#include "platform/ini_engine.h"
#include "platform/ini_document.h"
#include "platform/save_steps.h"
#include "settings/settings_file.h"
#include "support/key_by_key_settings.h"

namespace {

using namespace ko;
using Clock = std::chrono::steady_clock;

struct Figure {
  double median, low, high;
};

Figure summarise(std::vector<double> milliseconds) {
  std::sort(milliseconds.begin(), milliseconds.end());
  const size_t n = milliseconds.size();
  const double median = n % 2 ? milliseconds[n / 2] : (milliseconds[n / 2 - 1] + milliseconds[n / 2]) / 2;
  return {median, milliseconds.front(), milliseconds.back()};
}

double timeOnce(const std::function<void()>& operation) {
  const auto start = Clock::now();
  operation();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void print(const char* what, const Figure& f, int runs) {
  std::printf("%-34s median %9.3f ms   (min %.3f, max %.3f; %d runs)\n", what, f.median, f.low, f.high, runs);
}

// What the program holds after a start-up on factory values, with stage `level` moved as a
// slider drag moves it.
std::unique_ptr<SettingsRecord> programRecord(int32_t level) {
  auto r = std::make_unique<SettingsRecord>();
  std::memset(r.get(), 0, sizeof(SettingsRecord));
  ResetSettings(*r);
  r->Profile = 0;
  r->MouseButtons = 11;
  r->TrayEnabled = 1;
  for (int p = 0; p < kProfileCount; ++p) ApplyFactoryDefaults(*r, p);
  r->DPI_INFO[1] = DpiInfo{0, level, level, level};
  return r;
}

const char kOtherWriters[] =
    "[Setting]\r\nLeftCount=1234\r\nRightCount=56\r\nServiceVersion=3\r\nProfileName=Work\r\n"
    "[MACRO_LIST]\r\nMacroSetting_1=Burst\r\nMacroSetting_2=Reload\r\n"
    "[GROUP2]\r\nName=Shooter\r\nExe=C:\\Games\\shooter.exe\r\n"
    "[ServiceState]\r\nLastSeen=20240101\r\n";

// The save's steps, as save_steps marks them: each step's time in the save under way, and
// every save's, in the order the steps first came.
Clock::time_point lastMark;
std::vector<std::pair<std::string, double>> stepsOfThisSave;
std::map<std::string, std::vector<double>> stepTimes;
std::vector<std::string> stepOrder;

void recordStep(const char* step) {
  const auto now = Clock::now();
  const double ms = std::chrono::duration<double, std::milli>(now - lastMark).count();
  lastMark = now;
  auto same = std::find_if(stepsOfThisSave.begin(), stepsOfThisSave.end(), [&](const auto& s) { return s.first == step; });
  if (same == stepsOfThisSave.end()) {
    stepsOfThisSave.emplace_back(step, ms);
    if (std::find(stepOrder.begin(), stepOrder.end(), step) == stepOrder.end()) stepOrder.emplace_back(step);
  } else {
    same->second += ms;
  }
}

double sumOfMedians() {
  double sum = 0;
  for (const std::string& step : stepOrder) sum += summarise(stepTimes[step]).median;
  return sum;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = std::max(3, argc > 1 ? std::atoi(argv[1]) : 25);
  std::error_code ec;
  const auto folder = std::filesystem::temp_directory_path(ec) / ("kocfg-bench-" + std::to_string(Clock::now().time_since_epoch().count() & 0xFFFFFF));
  std::filesystem::create_directories(folder, ec);
  const Text path = (folder / "Mouse.ini").u16string();

  // A UTF-16 file as the program creates it, with the service's keys in it.
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string(kOtherWriters)) utf16 += std::string{c, '\0'};
  writeFileBytes(path, utf16);
  const auto a = programRecord(4), b = programRecord(9);
  SaveSettings(*a, path);
  std::string bytes;
  readFileBytes(path, bytes);

#ifdef _WIN32
  const char* backend = "Windows profile functions";
#else
  const char* backend = "portable engine";
#endif
  std::printf("settings file: %zu bytes, UTF-16; key by key through the %s\n", bytes.size(), backend);

  // Each operation in its own phase, after one untimed warm-up: a flushed save waits for
  // whatever the file system still has to write, and right after a key-by-key save (ninety
  // unflushed rewrites) that would charge the batched save for the other one's work.
  auto working = std::make_unique<SettingsRecord>(), buffer = std::make_unique<SettingsRecord>();
  auto phase = [&](const std::function<void(const SettingsRecord&)>& operation) {
    operation(*b);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) times.push_back(timeOnce([&] { operation(i % 2 ? *b : *a); }));
    return times;
  };
  const auto batched = phase([&](const SettingsRecord& r) { SaveSettings(r, path); });
  const auto keyByKey = phase([&](const SettingsRecord& r) { SaveSettings(r, path, platformProfileStrings()); });
  const auto reload = phase([&](const SettingsRecord&) { reloadSettings(*working, *buffer, path, kProfileFromFile); });
  const auto reloadKeyByKey = phase(
      [&](const SettingsRecord&) { reloadSettings(*working, *buffer, path, kProfileFromFile, platformProfileStrings()); });
  const Figure save = summarise(batched), saveOld = summarise(keyByKey);
  print("SaveSettings (merge), one key", save, runs);
  print("SaveSettings, key by key", saveOld, runs);
  std::printf("%-34s %9.1f x\n", "merge save faster by", saveOld.median / save.median);
  print("whole reload, one read", summarise(reload), runs);
  print("whole reload, key by key", summarise(reloadKeyByKey), runs);

  // Where a save's time goes: the same one-key save, its steps marked from inside.
  std::vector<double> totals;
  SaveSettings(*a, path);
  save_steps::install(recordStep);
  for (int i = 0; i < runs; ++i) {
    stepsOfThisSave.clear();
    lastMark = Clock::now();
    const auto start = lastMark;
    SaveSettings(i % 2 ? *a : *b, path);
    recordStep("base and bookkeeping");
    totals.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    for (const auto& [step, ms] : stepsOfThisSave) stepTimes[step].push_back(ms);
  }
  save_steps::install(nullptr);
  std::printf("one-key save, step by step (medians of %d saves; the steps' medians add up to %.3f ms, "
              "the saves' median is %.3f ms):\n",
              runs, sumOfMedians(), summarise(totals).median);
  for (const std::string& step : stepOrder) {
    const std::vector<double>& times = stepTimes[step];
    print(("  " + step).c_str(), summarise(times), static_cast<int>(times.size()));
  }

  // A file whose length is a multiple of 4096 bytes reads like any other.
  for (int extra : {0, 2}) {
    std::string whole;
    readFileBytes(path, whole);
    const size_t padding = (4096 - (whole.size() + 4) % 4096) % 4096 + 4 + static_cast<size_t>(extra);
    std::string line = ";";
    while ((line.size() + 2) * 2 < padding) line += "x";
    std::string padded = whole;
    for (char c : line + "\r\n") padded += std::string{c, '\0'};
    while (padded.size() < whole.size() + padding) padded += std::string("\r\0\n\0", 4);
    padded.resize(whole.size() + padding);
    writeFileBytes(path, padded);
    const auto times = phase([&](const SettingsRecord&) { reloadSettings(*working, *buffer, path, kProfileFromFile); });
    char what[64];
    std::snprintf(what, sizeof what, "whole reload, %zu bytes%s", padded.size(), padded.size() % 4096 ? "" : " (x4096)");
    print(what, summarise(times), runs);
  }

  std::filesystem::remove_all(folder, ec);
  return 0;
}
