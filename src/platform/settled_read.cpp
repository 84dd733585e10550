#include "platform/settled_read.h"

#include <chrono>
#include <optional>
#include <thread>
#include "platform/file_stamp.h"
#include "platform/file_system.h"
#include "platform/per_file_memory.h"

namespace ko {
namespace {

constexpr int kPauseMs = 2;
// A file last written longer ago than this has no writer half-way through it: the
// profile functions write a settings file in well under a millisecond.
constexpr int64_t kQuietAge = 50 * 10000LL;  // 50 ms in 100-ns units

// The stamp each file had when a read of it was last found settled: a file still at that
// stamp is that same settled file, and reading it again (the program reads the settings
// file many times in a row) needs no second look.
PerFileMemory<std::optional<FileStamp>>& settledStamps() {
  static PerFileMemory<std::optional<FileStamp>> stamps;
  return stamps;
}

bool heldSettled(TextView path, const FileStamp& stamp) {
  return settledStamps().with(path, [&](const std::optional<FileStamp>& known) { return known && *known == stamp; });
}

}  // namespace

bool readSettledFileBytes(TextView path, std::string& bytes, int patienceMs) {
  return readSettledFileBytes(path, bytes, patienceMs,
                              [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); });
}

bool readSettledFileBytes(TextView path, std::string& bytes, int patienceMs, const std::function<void(int)>& pause) {
  for (int waited = 0;; waited += kPauseMs) {
    FileStamp before;
    const bool stamped = readFileStamp(path, before);
    if (!readFileBytes(path, bytes)) return false;
    FileStamp after;
    // An entry that cannot be looked at leaves nothing to compare with.
    if (!stamped || !readFileStamp(path, after)) return true;
    const bool outOfTime = waited >= patienceMs;
    if (before == after && after.size == bytes.size()) {
      if (heldSettled(path, after) || currentFileTime() - after.writeTime > kQuietAge || outOfTime)
        return true;
      pause(kPauseMs);
      FileStamp later;
      if (readFileStamp(path, later) && later == after) {
        settledStamps().with(path, [&](std::optional<FileStamp>& known) { known = after; });
        return true;
      }
    } else if (outOfTime) {
      return true;
    } else {
      pause(kPauseMs);
    }
  }
}

}  // namespace ko
