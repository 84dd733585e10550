// The atomic replace on POSIX: write a sibling file, fsync it, rename it over the target
// (rename is atomic within one folder), then fsync the folder so the new name is durable.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <ctime>
#include <string>
#include "platform/checked_replace.h"
#include "platform/file_stamp.h"
#include "platform/file_system.h"

namespace ko {
namespace {

// The program spells paths the Windows way; natively a backslash separates folders too.
std::string nativePath(TextView path) {
  std::string utf8 = toUtf8(path);
  std::replace(utf8.begin(), utf8.end(), '\\', '/');
  return utf8;
}

std::string folderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool writeAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Every byte from the descriptor's start.
bool readAllFrom(int fd, std::string& bytes) {
  bytes.clear();
  char chunk[16384];
  for (off_t at = 0;;) {
    const ssize_t n = ::pread(fd, chunk, sizeof chunk, at);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    bytes.append(chunk, static_cast<size_t>(n));
    at += n;
  }
}

// A flushed sibling of `target` holding `bytes`, with the target's permissions; empty when
// it could not be made (or the target is not a file that may be written).
std::string writeSibling(const std::string& target, const std::string& bytes) {
  mode_t mode = 0666;
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0) {
    if (!S_ISREG(existing.st_mode)) return {};
    // No write bit is what Windows calls read-only: such a file is not replaced, even by a
    // user whom the folder would let rename over it.
    if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return {};
    mode = existing.st_mode & 07777;
  }
  static std::atomic<unsigned> counter{0};
  const std::string temporary =
      target + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return {};
  bool ok = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (!ok) {
    ::unlink(temporary.c_str());
    return {};
  }
  return temporary;
}

void syncFolderOf(const std::string& target) {
  // Making the rename durable is best effort (some file systems refuse).
  const int folder = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
}

}  // namespace

CheckedReplace tryCheckedReplace(TextView path, const std::string* expected, const std::string& bytes) {
  if (path.empty()) return {CheckedOutcome::Failed, {}};
  const std::string target = nativePath(path);
  const std::string temporary = writeSibling(target, bytes);
  if (temporary.empty()) return {CheckedOutcome::Failed, {}};
  const auto changed = [&] {
    ::unlink(temporary.c_str());
    return CheckedReplace{CheckedOutcome::Changed, {}};
  };
  int old = -1;
  if (expected != nullptr) {
    old = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
    std::string now;
    if (old < 0 || !readAllFrom(old, now) || now != *expected) {
      if (old >= 0) ::close(old);
      return changed();
    }
  } else if (entryExists(path)) {
    return changed();
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    if (old >= 0) ::close(old);
    ::unlink(temporary.c_str());
    return {CheckedOutcome::Failed, {}};
  }
  syncFolderOf(target);
  CheckedReplace result{CheckedOutcome::Replaced, {}};
  // The descriptor still reads the file that was replaced.
  if (old >= 0 && readAllFrom(old, result.found) && result.found != *expected)
    result.outcome = CheckedOutcome::ReplacedOther;
  else
    result.found.clear();
  if (old >= 0) ::close(old);
  return result;
}

// POSIX has no sharing modes to keep another writer out with: the caller looks before and
// after a rename instead (tryCheckedReplace).
LockedMerge mergeUnderLock(TextView, const LockedMergeStep&) {
  return LockedMerge::Unsupported;
}

CheckedReplace overwriteIfUnchanged(TextView path, const std::string& expected, const std::string& bytes) {
  if (path.empty()) return {CheckedOutcome::Failed, {}};
  const int fd = ::open(nativePath(path).c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return {CheckedOutcome::Failed, {}};
  std::string now;
  if (!readAllFrom(fd, now) || now != expected) {
    ::close(fd);
    return {CheckedOutcome::Changed, {}};
  }
  bool ok = ::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, paddedToLength(bytes, now.size())) &&
            ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  return {ok ? CheckedOutcome::Replaced : CheckedOutcome::Failed, {}};
}

bool entryExists(TextView path) {
  struct stat status {};
  return !path.empty() && ::stat(nativePath(path).c_str(), &status) == 0;
}

namespace {

// Seconds between 1601 and 1970, the two clocks' starts.
constexpr int64_t kEpochGapSeconds = 11644473600LL;

int64_t fromTimespec(const timespec& time) {
  return (static_cast<int64_t>(time.tv_sec) + kEpochGapSeconds) * 10000000LL + time.tv_nsec / 100;
}

}  // namespace

bool readFileStamp(TextView path, FileStamp& stamp) {
  struct stat status {};
  if (path.empty() || ::stat(nativePath(path).c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
  stamp.size = static_cast<uint64_t>(status.st_size);
  stamp.writeTime = fromTimespec(status.st_mtim);
  return true;
}

int64_t currentFileTime() {
  timespec now {};
  clock_gettime(CLOCK_REALTIME, &now);
  return fromTimespec(now);
}

ReplaceAttempt tryReplaceFile(TextView path, const std::string& bytes) {
  // A POSIX rename is never refused because a reader has the file open.
  return replaceFileAtomically(path, bytes) ? ReplaceAttempt::Replaced : ReplaceAttempt::Failed;
}

bool overwriteInPlace(TextView path, const std::string& bytes) {
  if (path.empty()) return false;
  const int fd = ::open(nativePath(path).c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat status {};
  bool ok = ::fstat(fd, &status) == 0 && writeAll(fd, paddedToLength(bytes, static_cast<uint64_t>(status.st_size))) &&
            ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  return ok;
}

bool replaceFileAtomically(TextView path, const std::string& bytes) {
  if (path.empty()) return false;
  const std::string target = nativePath(path);
  mode_t mode = 0666;
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0) {
    if (!S_ISREG(existing.st_mode)) return false;
    // No write bit is what Windows calls read-only: such a file is not replaced, even by a
    // user whom the folder would let rename over it.
    if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    mode = existing.st_mode & 07777;
  }

  static std::atomic<unsigned> counter{0};
  const std::string temporary =
      target + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  bool ok = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (!ok || ::rename(temporary.c_str(), target.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  // The rename is in place; making it durable is best effort (some file systems refuse).
  const int folder = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    ::fsync(folder);
    ::close(folder);
  }
  return true;
}

}  // namespace ko
