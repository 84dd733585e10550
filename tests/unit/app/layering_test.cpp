// A subsystem depends only on those below it. Checked on the sources' includes.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace ko {
namespace {

namespace fs = std::filesystem;

fs::path sourceRoot() {
#ifdef _WIN32
  return std::string("Z:") + KOCFG_SOURCE_DIR;  // Wine maps the Linux root to Z:
#else
  return KOCFG_SOURCE_DIR;
#endif
}

// Every `#include "<folder>/..."` of the sources under src/<subsystem>, as "file: line".
std::vector<std::string> includesOf(const std::string& subsystem, const std::vector<std::string>& folders) {
  std::vector<std::string> found;
  for (const auto& entry : fs::recursive_directory_iterator(sourceRoot() / "src" / subsystem)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path());
    for (std::string line; std::getline(in, line);)
      for (const std::string& folder : folders)
        if (line.rfind("#include \"" + folder + "/", 0) == 0)
          found.push_back(entry.path().filename().string() + ": " + line);
  }
  return found;
}

// The floors, lowest first: a subsystem's sources include only their own floor and those
// below it. The skin toolkit knows no window that is built with it, the settings know
// nothing of macros or assignments, and the shell sits on top of everything.
const std::vector<std::string> kFloors = {"platform", "text", "skin", "settings", "macro", "assign", "perf", "app"};

TEST(Layering, NoSubsystemIncludesOneAboveIt) {
  for (size_t floor = 0; floor < kFloors.size(); ++floor) {
    const std::vector<std::string> above(kFloors.begin() + static_cast<std::ptrdiff_t>(floor) + 1, kFloors.end());
    EXPECT_EQ(includesOf(kFloors[floor], above), std::vector<std::string>{}) << kFloors[floor] << " reaches up";
  }
}

// Every folder of src/ has its floor: a new subsystem must be placed before it can be built.
TEST(Layering, EverySubsystemHasItsFloor) {
  std::vector<std::string> folders;
  for (const auto& entry : fs::directory_iterator(sourceRoot() / "src"))
    if (entry.is_directory()) folders.push_back(entry.path().filename().string());
  std::sort(folders.begin(), folders.end());
  std::vector<std::string> placed = kFloors;
  std::sort(placed.begin(), placed.end());
  EXPECT_EQ(folders, placed);
}

}  // namespace
}  // namespace ko
