// A subsystem depends only on those below it: the skin toolkit knows no window that is
// built with it, and the settings know nothing of macros. Checked on the sources' includes.
#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace ko {
namespace {

namespace fs = std::filesystem;

// Every `#include "<folder>/..."` of the sources under src/<subsystem>, as "file: line".
std::vector<std::string> includesOf(const std::string& subsystem, const std::vector<std::string>& folders) {
#ifdef _WIN32
  const fs::path root = std::string("Z:") + KOCFG_SOURCE_DIR;  // Wine maps the Linux root to Z:
#else
  const fs::path root = KOCFG_SOURCE_DIR;
#endif
  std::vector<std::string> found;
  for (const auto& entry : fs::recursive_directory_iterator(root / "src" / subsystem)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path());
    for (std::string line; std::getline(in, line);)
      for (const std::string& folder : folders)
        if (line.rfind("#include \"" + folder + "/", 0) == 0)
          found.push_back(entry.path().filename().string() + ": " + line);
  }
  return found;
}

TEST(Layering, TheSkinToolkitIncludesNoSubsystemBuiltOnIt) {
  EXPECT_EQ(includesOf("skin", {"app", "assign", "macro", "perf"}), std::vector<std::string>{});
}

TEST(Layering, TheSettingsIncludeNothingOfTheMacros) {
  EXPECT_EQ(includesOf("settings", {"macro", "app"}), std::vector<std::string>{});
}

}  // namespace
}  // namespace ko
