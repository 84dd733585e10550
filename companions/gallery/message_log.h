// The gallery's record of what it received: one line per message, appended and flushed at
// once, so a test can read it while the gallery runs.
#pragma once
#include <cstdio>
#include <string>

namespace ko::gallery {

class MessageLog {
 public:
  MessageLog() = default;
  ~MessageLog();
  MessageLog(const MessageLog&) = delete;
  MessageLog& operator=(const MessageLog&) = delete;

  bool Open(const std::wstring& path);
  void Write(const char* format, ...);

 private:
  FILE* file_ = nullptr;
};

}  // namespace ko::gallery
