// The atomic replace on Windows: write a sibling file, flush it, and let ReplaceFileW swap
// it in, which keeps the old file's attributes, security and creation time. Where there is
// no old file yet, or ReplaceFileW leaves both files as they were for a reason a plain
// rename does not share, MoveFileExW renames the new file over the target instead.
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
  bool replaced = false;
  if (!exists) {
    replaced = renameOver(temporary, target);
  } else if (ReplaceFileW(wide(target), wide(temporary), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
    replaced = true;
  } else {
    // After these the new file is still under its temporary name and the old one either
    // under its own or gone (the file vanished meanwhile, or ReplaceFileW removed it and
    // then could not rename): a rename puts the new file in place. Any other failure
    // (access denied, a sharing violation) would fail a rename the same way.
    const DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_UNABLE_TO_REMOVE_REPLACED ||
        error == ERROR_UNABLE_TO_MOVE_REPLACEMENT || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
      replaced = renameOver(temporary, target);
  }
  if (!replaced) DeleteFileW(wide(temporary));
  return replaced;
}

}  // namespace ko
