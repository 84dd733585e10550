#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <string>
#include "platform/file_stamp.h"

namespace ko {
namespace {

// Seconds between 1601 and 1970, the two clocks' starts.
constexpr int64_t kEpochGapSeconds = 11644473600LL;

int64_t fromTimespec(const timespec& time) {
  return (static_cast<int64_t>(time.tv_sec) + kEpochGapSeconds) * 10000000LL + time.tv_nsec / 100;
}

}  // namespace

bool readFileStamp(TextView path, FileStamp& stamp) {
  if (path.empty()) return false;
  std::string native = toUtf8(path);
  std::replace(native.begin(), native.end(), '\\', '/');
  struct stat status {};
  if (::stat(native.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
  stamp.size = static_cast<uint64_t>(status.st_size);
  stamp.writeTime = fromTimespec(status.st_mtim);
  return true;
}

int64_t currentFileTime() {
  timespec now {};
  clock_gettime(CLOCK_REALTIME, &now);
  return fromTimespec(now);
}

}  // namespace ko
