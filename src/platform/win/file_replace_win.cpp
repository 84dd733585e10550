// The atomic replace on Windows: write a sibling file, flush it, and rename it over the
// target with MoveFileExW (replace existing, write through), which swaps the name in one
// step. ReplaceFileW would also keep the old file's security and creation time, but under
// Wine it removes the old file before the new one takes its name: a process ended in
// between leaves no settings file at all (the crash-safety test caught exactly that).
// A file held open by another program without delete sharing cannot be renamed over;
// that case is told apart so the caller can wait for it or write in place.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <vector>
#include "platform/checked_replace.h"
#include "platform/file_stamp.h"
#include "platform/file_system.h"
#include "platform/settled_read.h"

namespace ko {
namespace {

const wchar_t* wide(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

// The profile functions of other programs keep the file cached (Wine does) and take it for
// unchanged while its last-write time is the one they saw. File systems stamp writes with a
// coarse clock, so a save soon after their own write could carry the very same time and be
// overlooked, then written over with the old copy. The save stamps the file with the
// precise time instead.
void stampPreciseWriteTime(HANDLE file) {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  SetFileTime(file, nullptr, nullptr, &now);
}

// Every byte from the file's current position, in chunks WriteFile takes.
bool writeAll(HANDLE file, const std::string& bytes) {
  bool ok = true;
  size_t done = 0;
  while (ok && done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    DWORD written = 0;
    ok = WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written == chunk;
    done += written;
  }
  return ok;
}

bool writeFlushed(const Text& path, const std::string& bytes) {
  HANDLE file = CreateFileW(wide(path), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = writeAll(file, bytes);
  if (ok) stampPreciseWriteTime(file);
  ok = ok && FlushFileBuffers(file);
  ok = CloseHandle(file) && ok;
  return ok;
}

bool renameOver(const Text& from, const Text& to) {
  return MoveFileExW(wide(from), wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

// Every byte of an open file, from its start.
bool readAllFrom(HANDLE file, std::string& bytes) {
  bytes.clear();
  LARGE_INTEGER start{};
  if (!SetFilePointerEx(file, start, nullptr, FILE_BEGIN)) return false;
  char chunk[16384];
  DWORD got = 0;
  while (ReadFile(file, chunk, sizeof chunk, &got, nullptr)) {
    if (got == 0) return true;
    bytes.append(chunk, got);
  }
  return false;
}

// The second name of the file during a replace: one per process, so that a name that
// could not be removed at once (another program held the old file without delete sharing)
// is the only one left; it is removed by a later replace or removeLeftReplaceNames(), and
// a process that ends first leaves it to the start-up's removal of stray temporary files.
// While it is still there, replaces go on without a second name (and without the look
// after the rename).
Text secondNameFor(const Text& target) {
  return target + u".~" + decimal(static_cast<int32_t>(GetCurrentProcessId())) + u"-0.tmp";
}

std::vector<Text>& namesToRemove() {
  static std::vector<Text> names;
  return names;
}

bool sharingRefused(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION; }

Text temporaryNameFor(const Text& target) {
  static std::atomic<unsigned> counter{0};
  return target + u".~" + decimal(static_cast<int32_t>(GetCurrentProcessId())) + u"-" +
         decimal(static_cast<int32_t>(counter++)) + u".tmp";
}

}  // namespace

bool removeLeftReplaceNames() {
  auto& names = namesToRemove();
  names.erase(std::remove_if(names.begin(), names.end(), [](const Text& name) { return DeleteFileW(wide(name)) != FALSE; }),
              names.end());
  return names.empty();
}

CheckedReplace tryCheckedReplace(TextView path, const std::string* expected, const std::string& bytes) {
  if (path.empty()) return {CheckedOutcome::Failed, {}};
  const Text target(path);
  const DWORD attributes = GetFileAttributesW(wide(target));
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
    return {CheckedOutcome::Failed, {}};
  const Text temporary = temporaryNameFor(target);
  if (!writeFlushed(temporary, bytes)) {
    DeleteFileW(wide(temporary));
    return {CheckedOutcome::Failed, {}};
  }
  const auto giveUp = [&](CheckedOutcome outcome) {
    DeleteFileW(wide(temporary));
    return CheckedReplace{outcome, {}};
  };
  if (expected == nullptr) {
    // No file when the merge read: one that appeared since is never written over.
    if (MoveFileExW(wide(temporary), wide(target), MOVEFILE_WRITE_THROUGH)) return {CheckedOutcome::Replaced, {}};
    const DWORD error = GetLastError();
    return giveUp(error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? CheckedOutcome::Changed
                                                                                : CheckedOutcome::Failed);
  }
  // A second name for the file as it is now. The rename below gives the file's name to the
  // new contents, but this name still leads to the old ones, so reading it afterwards tells
  // whether a write landed between the look and the rename (writers open the file by name
  // and rewrite it where it is). Held handles would tell the same, but a file that is held
  // open cannot be renamed over.
  const Text oldName = secondNameFor(target);
  removeLeftReplaceNames();
  const bool linked = CreateHardLinkW(wide(oldName), wide(target), nullptr) != FALSE;
  const auto dropLink = [&] {
    if (linked && !DeleteFileW(wide(oldName)) &&
        std::find(namesToRemove().begin(), namesToRemove().end(), oldName) == namesToRemove().end())
      namesToRemove().push_back(oldName);
  };
  std::string now;
  if (!readFileBytes(linked ? oldName : target, now)) {
    // Held without read sharing by a writer just now, or gone.
    dropLink();
    return giveUp(entryExists(target) ? CheckedOutcome::InUse : CheckedOutcome::Changed);
  }
  if (now != *expected) {
    dropLink();
    return giveUp(CheckedOutcome::Changed);
  }
  if (!renameOver(temporary, target)) {
    const DWORD error = GetLastError();
    dropLink();
    // An open handle without delete sharing refuses the rename; Wine reports it as a
    // sharing violation or as access denied on a file that is not read-only.
    return giveUp(sharingRefused(error) || error == ERROR_ACCESS_DENIED ? CheckedOutcome::InUse
                                                                         : CheckedOutcome::Failed);
  }
  CheckedReplace result{CheckedOutcome::Replaced, {}};
  // Read until two reads agree: a writer that had the old file open may still be at it.
  if (linked && readSettledFileBytes(oldName, result.found) && result.found != *expected)
    result.outcome = CheckedOutcome::ReplacedOther;
  else
    result.found.clear();
  dropLink();
  return result;
}

namespace {

// Writes `bytes` over an open file from its start, cuts it to their length, then flushes and
// closes it (the handle is closed whatever happened). True when all of it succeeded.
bool writeOverThenClose(HANDLE file, const std::string& bytes, uint64_t oldSize) {
  LARGE_INTEGER start{};
  bool ok = SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && writeAll(file, paddedToLength(bytes, oldSize));
  LARGE_INTEGER end{};
  end.QuadPart = static_cast<LONGLONG>(bytes.size());
  ok = ok && SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  if (ok) stampPreciseWriteTime(file);
  ok = ok && FlushFileBuffers(file);
  ok = CloseHandle(file) && ok;
  return ok;
}

}  // namespace

CheckedReplace overwriteIfUnchanged(TextView path, const std::string& expected, const std::string& bytes) {
  if (path.empty()) return {CheckedOutcome::Failed, {}};
  // Readers may stay (the one holding the file is why the rename could not happen), but no
  // other writer may open the file between the look and the write: its change would be
  // written over unseen. A writer that has it open already makes this open fail, and the
  // caller looks again.
  HANDLE file = CreateFileW(wide(Text(path)), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return {sharingRefused(GetLastError()) ? CheckedOutcome::Changed : CheckedOutcome::Failed, {}};
  }
  std::string now;
  if (!readAllFrom(file, now) || now != expected) {
    CloseHandle(file);
    return {CheckedOutcome::Changed, {}};
  }
  return {writeOverThenClose(file, bytes, now.size()) ? CheckedOutcome::Replaced : CheckedOutcome::Failed, {}};
}

ReplaceAttempt tryReplaceFile(TextView path, const std::string& bytes) {
  if (path.empty()) return ReplaceAttempt::Failed;
  const Text target(path);
  const DWORD attributes = GetFileAttributesW(wide(target));
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) return ReplaceAttempt::Failed;

  static std::atomic<unsigned> counter{0};
  const Text temporary = target + u".~" + decimal(static_cast<int32_t>(GetCurrentProcessId())) + u"-" +
                         decimal(static_cast<int32_t>(counter++)) + u".tmp";
  if (!writeFlushed(temporary, bytes)) {
    DeleteFileW(wide(temporary));
    return ReplaceAttempt::Failed;
  }
  if (renameOver(temporary, target)) return ReplaceAttempt::Replaced;
  const DWORD error = GetLastError();
  DeleteFileW(wide(temporary));
  // An open handle without delete sharing refuses the rename; Wine reports it as a
  // sharing violation, Windows at times as access denied on a file that is not read-only.
  const bool inUse = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                     (exists && error == ERROR_ACCESS_DENIED);
  return inUse ? ReplaceAttempt::InUse : ReplaceAttempt::Failed;
}

bool entryExists(TextView path) {
  return !path.empty() && GetFileAttributesW(wide(Text(path))) != INVALID_FILE_ATTRIBUTES;
}

namespace {

int64_t fromFileTime(const FILETIME& time) {
  return static_cast<int64_t>((static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

}  // namespace

bool readFileStamp(TextView path, FileStamp& stamp) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (path.empty() || !GetFileAttributesExW(wide(Text(path)), GetFileExInfoStandard, &data)) return false;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  stamp.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  stamp.writeTime = fromFileTime(data.ftLastWriteTime);
  return true;
}

int64_t currentFileTime() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return fromFileTime(now);
}

bool replaceFileAtomically(TextView path, const std::string& bytes) {
  return tryReplaceFile(path, bytes) == ReplaceAttempt::Replaced;
}

bool overwriteInPlace(TextView path, const std::string& bytes) {
  if (path.empty()) return false;
  const Text target(path);
  // The sharing the profile functions grant each other, so this open succeeds beside theirs.
  HANDLE file = CreateFileW(wide(target), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER oldSize{};
  if (!GetFileSizeEx(file, &oldSize)) {
    CloseHandle(file);
    return false;
  }
  return writeOverThenClose(file, bytes, static_cast<uint64_t>(oldSize.QuadPart));
}

}  // namespace ko
