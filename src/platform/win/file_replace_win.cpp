// The atomic replace on Windows: write a sibling file, flush it, and rename it over the
// target with MoveFileExW (replace existing, write through), which swaps the name in one
// step. ReplaceFileW would also keep the old file's security and creation time, but under
// Wine it removes the old file before the new one takes its name: a process ended in
// between leaves no settings file at all (the crash-safety test caught exactly that).
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>
#include "platform/file_system.h"

namespace ko {
namespace {

const wchar_t* wide(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

bool writeFlushed(const Text& path, const std::string& bytes) {
  HANDLE file = CreateFileW(wide(path), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  size_t done = 0;
  while (ok && done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    DWORD written = 0;
    ok = WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written == chunk;
    done += written;
  }
  ok = ok && FlushFileBuffers(file);
  ok = CloseHandle(file) && ok;
  return ok;
}

bool renameOver(const Text& from, const Text& to) {
  return MoveFileExW(wide(from), wide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace

bool replaceFileAtomically(TextView path, const std::string& bytes) {
  if (path.empty()) return false;
  const Text target(path);
  const DWORD attributes = GetFileAttributesW(wide(target));
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))) return false;

  static std::atomic<unsigned> counter{0};
  const Text temporary = target + u".~" + decimal(static_cast<int32_t>(GetCurrentProcessId())) + u"-" +
                         decimal(static_cast<int32_t>(counter++)) + u".tmp";
  if (!writeFlushed(temporary, bytes)) {
    DeleteFileW(wide(temporary));
    return false;
  }
  const bool replaced = renameOver(temporary, target);
  if (!replaced) DeleteFileW(wide(temporary));
  return replaced;
}

}  // namespace ko
