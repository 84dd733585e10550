// A fresh folder per test, removed afterwards, with paths in the program's UTF-16 form.
// Under Wine the native /tmp is reached through drive Z:, so the same test code serves both.
#pragma once
#include <atomic>
#include <filesystem>
#include <string>
#include "platform/wide_text.h"

namespace ko::test {

class TempDir {
 public:
  TempDir() {
    static std::atomic<int> counter{0};
    auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0;; ++attempt) {
      auto candidate = base / ("kocfg-test-" + std::to_string(stamp()) + "-" + std::to_string(counter++));
      std::error_code ec;
      if (std::filesystem::create_directory(candidate, ec)) { dir_ = candidate; break; }
      if (attempt > 1000) throw std::runtime_error("no temporary folder");
    }
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& fsPath() const { return dir_; }
  // The folder itself, with a trailing separator, as the program spells folders.
  Text folder() const { return (dir_ / "").u16string(); }
  // A file (or sub-folder) inside the folder.
  Text file(TextView name) const { return (dir_ / std::u16string(name)).u16string(); }
  std::filesystem::path fsFile(TextView name) const { return dir_ / std::u16string(name); }

 private:
  static long long stamp() {
    return static_cast<long long>(std::filesystem::file_time_type::clock::now().time_since_epoch().count() & 0xFFFFFFF);
  }
  std::filesystem::path dir_;
};

// A file of the source tree (for test data kept in the repository).
inline Text sourceFile(const char* relative) {
#ifdef _WIN32
  const std::string root = std::string("Z:") + KOCFG_SOURCE_DIR;  // Wine maps the Linux root to Z:
#else
  const std::string root = KOCFG_SOURCE_DIR;
#endif
  return (std::filesystem::path(root) / relative).u16string();
}

}  // namespace ko::test
