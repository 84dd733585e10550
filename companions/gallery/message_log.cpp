#include "message_log.h"

#include <cstdarg>

namespace ko::gallery {

MessageLog::~MessageLog() {
  if (file_) fclose(file_);
}

bool MessageLog::Open(const std::wstring& path) {
  if (file_) fclose(file_);
  file_ = _wfopen(path.c_str(), L"ab");
  return file_ != nullptr;
}

void MessageLog::Write(const char* format, ...) {
  if (!file_) return;
  va_list args;
  va_start(args, format);
  vfprintf(file_, format, args);
  va_end(args);
  fputc('\n', file_);
  fflush(file_);
}

}  // namespace ko::gallery
