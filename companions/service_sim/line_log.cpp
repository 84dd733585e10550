#include "line_log.h"

namespace service_sim {

LineLog::LineLog(const std::wstring& path)
    : handle_(path.empty() ? GetStdHandle(STD_OUTPUT_HANDLE)
                           : CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)),
      owned_(!path.empty()) {}

LineLog::~LineLog() {
  if (owned_ && ok()) CloseHandle(handle_);
}

void LineLog::write(const std::string& line) {
  if (!ok()) return;
  std::lock_guard<std::mutex> lock(mutex_);
  DWORD written = 0;
  WriteFile(handle_, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  // Only files: flushing a pipe would wait for its reader.
  if (GetFileType(handle_) == FILE_TYPE_DISK) FlushFileBuffers(handle_);
}

}  // namespace service_sim
