#include <windows.h>

#include "platform/file_stamp.h"

namespace ko {
namespace {

int64_t fromFileTime(const FILETIME& time) {
  return static_cast<int64_t>((static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

}  // namespace

bool readFileStamp(TextView path, FileStamp& stamp) {
  if (path.empty()) return false;
  const Text name(path);
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(reinterpret_cast<const wchar_t*>(name.c_str()), GetFileExInfoStandard, &data)) return false;
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

}  // namespace ko
