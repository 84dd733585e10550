#include "platform/settled_read.h"

#include <chrono>
#include <thread>
#include "platform/file_system.h"

namespace ko {
namespace {

constexpr int kPauseMs = 1;
constexpr int kEmptyFileMs = 30;

int64_t steadyMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace

bool readSettledFileBytes(TextView path, std::string& bytes, int patienceMs) {
  const auto readOnce = [&](std::string& read) {
    if (readFileBytes(path, read)) return OneRead::Read;
    return entryExists(path) ? OneRead::Held : OneRead::Missing;
  };
  return readSettled(
      readOnce, bytes, patienceMs, [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); },
      steadyMs);
}

bool readSettled(const std::function<OneRead(std::string&)>& readOnce, std::string& bytes, int patienceMs,
                 const std::function<void(int)>& pause, const std::function<int64_t()>& nowMs) {
  const int64_t start = nowMs();
  bool haveRead = false;
  std::string read;
  for (int attempt = 0;; ++attempt) {
    switch (readOnce(read)) {
      case OneRead::Read:
        // The profile functions empty the file and then build its new text before writing
        // it, so an empty file is seen twice in a row while they do: it counts only once it
        // has stayed empty for a while.
        if (haveRead && read == bytes && (!read.empty() || nowMs() - start >= kEmptyFileMs)) return true;
        bytes.swap(read);
        haveRead = true;
        break;
      case OneRead::Missing: return false;  // nothing is being written that a wait would see
      case OneRead::Held: haveRead = false; break;
    }
    if (nowMs() - start >= patienceMs) return haveRead;
    // The second read follows the first at once: only a file that is changing (or empty)
    // waits.
    if (attempt > 0 || !haveRead || bytes.empty()) pause(kPauseMs);
  }
}

}  // namespace ko
