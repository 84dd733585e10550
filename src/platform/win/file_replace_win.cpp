// Putting files in place on Windows.
//
// A plain replace (macro files, exports: files no other program writes) writes a sibling
// file, flushes it and renames it over the target with MoveFileExW (replace existing, write
// through), which swaps the name in one step. ReplaceFileW would also keep the old file's
// security and creation time, but under Wine it removes the old file before the new one
// takes its name: a process ended in between leaves no settings file at all.
//
// The settings file is shared with the device service, so its save (tryCheckedReplace)
// writes into the file itself under an open that keeps every other writer out between the
// look and the write; the whole new text waits beside it in a journal first, so a save cut
// short there is finished by the next start (finishInterruptedSaves).
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include "platform/checked_replace.h"
#include "platform/file_stamp.h"
#include "platform/file_system.h"
#include "platform/save_steps.h"

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

// Every byte from the file's current position: one WriteFile for a settings file (a call
// takes up to 64 MB here; larger files go in more).
bool writeAll(HANDLE file, std::string_view bytes) {
  bool ok = true;
  size_t done = 0;
  while (ok && done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 26));
    DWORD written = 0;
    ok = WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written == chunk;
    done += written;
  }
  return ok;
}

bool writeNew(const Text& path, const std::string& bytes, bool flush) {
  HANDLE file = CreateFileW(wide(path), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = writeAll(file, bytes);
  if (ok) stampPreciseWriteTime(file);
  ok = ok && (!flush || FlushFileBuffers(file));
  ok = CloseHandle(file) && ok;
  return ok;
}

bool writeFlushed(const Text& path, const std::string& bytes) { return writeNew(path, bytes, true); }

bool renameOver(const Text& from, const Text& to) {
  return MoveFileExW(wide(from), wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

// Every byte of an open file, from its start: the first ReadFile asks for more than the
// file's length, so a settings file comes in one read (and one more that finds the end);
// a file that grew meanwhile is read on to its end.
bool readAllFrom(HANDLE file, std::string& bytes) {
  bytes.clear();
  LARGE_INTEGER start{};
  LARGE_INTEGER size{};
  if (!SetFilePointerEx(file, start, nullptr, FILE_BEGIN) || !GetFileSizeEx(file, &size)) return false;
  constexpr size_t kLeeway = 4096;
  size_t have = 0;
  bytes.resize(std::min<uint64_t>(static_cast<uint64_t>(size.QuadPart), 1ull << 30) + kLeeway);
  for (;;) {
    if (bytes.size() - have < kLeeway) bytes.resize(bytes.size() * 2);
    const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - have, 1u << 26));
    DWORD got = 0;
    if (!ReadFile(file, &bytes[have], want, &got, nullptr)) {
      bytes.clear();
      return false;
    }
    if (got == 0) break;
    have += got;
  }
  bytes.resize(have);
  return true;
}

// Writes `bytes` over an open file from its start, cuts it to their length, and closes it
// (the handle is closed whatever happened); `flush` first waits for the disk. True when all
// of it succeeded. A file that was longer gets the new text padded to its length in the
// same write (see paddedToLength) before the cut.
bool writeOverThenClose(HANDLE file, const std::string& bytes, uint64_t oldSize, bool flush) {
  LARGE_INTEGER start{};
  const bool shorter = bytes.size() < oldSize;
  bool ok = SetFilePointerEx(file, start, nullptr, FILE_BEGIN) &&
            (shorter ? writeAll(file, paddedToLength(bytes, oldSize)) : writeAll(file, bytes));
  if (shorter) {
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(bytes.size());
    ok = ok && SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  }
  if (ok) stampPreciseWriteTime(file);
  ok = ok && (!flush || FlushFileBuffers(file));
  ok = CloseHandle(file) && ok;
  return ok;
}

bool sharingRefused(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION; }

Text temporaryNameFor(const Text& target) {
  static std::atomic<unsigned> counter{0};
  return target + u".~" + decimal(static_cast<int32_t>(GetCurrentProcessId())) + u"-" +
         decimal(static_cast<int32_t>(counter++)) + u".tmp";
}

// The new contents, whole, under the name that tells a later start that an in-place write
// may have been cut short (see finishInterruptedSaves). Not flushed: it is there for a
// process ended mid-write, which leaves the system's caches intact. Empty when it could not
// be made.
Text writeJournal(const Text& target, const std::string& bytes) {
  const Text temporary = temporaryNameFor(target);
  if (!writeNew(temporary, bytes, false)) {
    DeleteFileW(wide(temporary));
    return {};
  }
  const Text journal = temporary.substr(0, temporary.size() - 4) + u".pending";
  if (!MoveFileExW(wide(temporary), wide(journal), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(wide(temporary));
    return {};
  }
  return journal;
}

}  // namespace

CheckedReplace tryCheckedReplace(TextView path, const std::string* expected, const std::string& bytes) {
  if (path.empty()) return {CheckedOutcome::Failed, {}};
  const Text target(path);
  const DWORD attributes = GetFileAttributesW(wide(target));
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
    return {CheckedOutcome::Failed, {}};
  if (expected == nullptr) {
    // No file when the merge read: one that appeared since is never written over.
    const Text temporary = temporaryNameFor(target);
    if (!writeFlushed(temporary, bytes)) {
      DeleteFileW(wide(temporary));
      return {CheckedOutcome::Failed, {}};
    }
    if (MoveFileExW(wide(temporary), wide(target), MOVEFILE_WRITE_THROUGH)) return {CheckedOutcome::Replaced, {}};
    const DWORD error = GetLastError();
    DeleteFileW(wide(temporary));
    return {error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? CheckedOutcome::Changed
                                                                         : CheckedOutcome::Failed,
            {}};
  }
  // The look and the write happen under one open that lets others read but no other writer
  // in (mergeUnderLock), so no write can land between them. A rename could not do that: the
  // profile functions open, read, close, then rewrite the file, and a rewrite that landed
  // between the look and the rename was undone by it, and the other program then counted
  // on from the undone value.
  bool changed = false;
  const LockedMerge merged = mergeUnderLock(path, [&](const std::string& now) -> const std::string& {
    changed = now != *expected;
    return changed ? now : bytes;
  });
  switch (merged) {
    case LockedMerge::Written: return {CheckedOutcome::Replaced, {}};
    case LockedMerge::Unchanged: return {changed ? CheckedOutcome::Changed : CheckedOutcome::Replaced, {}};
    case LockedMerge::Held: return {CheckedOutcome::InUse, {}};
    case LockedMerge::Missing: return {CheckedOutcome::Changed, {}};
    case LockedMerge::Failed:
    case LockedMerge::Unsupported: break;
  }
  return {CheckedOutcome::Failed, {}};
}

LockedMerge mergeUnderLock(TextView path, const LockedMergeStep& merge) {
  if (path.empty()) return LockedMerge::Failed;
  const Text target(path);
  const DWORD attributes = GetFileAttributesW(wide(target));
  if (attributes == INVALID_FILE_ATTRIBUTES) return LockedMerge::Missing;
  if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return LockedMerge::Failed;
  // Readers may stay and come (the service reads all the time, and a read it is refused
  // gives it a default value), but no writer: the profile functions ask for write access
  // before they read the file they are about to change, and rewrite it without sharing.
  HANDLE file = CreateFileW(wide(target), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (sharingRefused(error)) return LockedMerge::Held;
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? LockedMerge::Missing : LockedMerge::Failed;
  }
  save_steps::mark("open");
  // The one read this save needs: no writer can change the file while it is open so, so
  // there is nothing for a second read to confirm.
  std::string now;
  if (!readAllFrom(file, now)) {
    CloseHandle(file);
    return LockedMerge::Failed;
  }
  save_steps::mark("read");
  const std::string& bytes = merge(now);
  const bool same = bytes == now;
  save_steps::mark("compare");
  if (same) {
    CloseHandle(file);
    return LockedMerge::Unchanged;
  }
  // Everything under the open is kept short, the writers it keeps out fail meanwhile (a
  // write of the profile functions that is refused is a click a service never counts):
  // neither the journal nor the file is flushed.
  const Text journal = writeJournal(target, bytes);
  save_steps::mark("journal write");
  if (journal.empty()) {
    CloseHandle(file);
    return LockedMerge::Failed;
  }
  if (!writeOverThenClose(file, bytes, now.size(), false)) {
    // The file may hold part of the new text: the journal holds all of it.
    return renameOver(journal, target) ? LockedMerge::Written : LockedMerge::Failed;
  }
  save_steps::mark("in-place write");
  DeleteFileW(wide(journal));
  save_steps::mark("journal delete");
  return LockedMerge::Written;
}

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
  return {writeOverThenClose(file, bytes, now.size(), true) ? CheckedOutcome::Replaced : CheckedOutcome::Failed, {}};
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
  return writeOverThenClose(file, bytes, static_cast<uint64_t>(oldSize.QuadPart), true);
}

}  // namespace ko
