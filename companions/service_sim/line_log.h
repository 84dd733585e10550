// Where the simulator writes its lines: a file, appended to and flushed after every line
// so a test reading it meanwhile sees each message as soon as it was handled; or standard
// output when no file was named.
#pragma once
#include <windows.h>

#include <mutex>
#include <string>

namespace service_sim {

// Whole lines, from any thread.
class LineLog {
 public:
  // Empty path: standard output.
  explicit LineLog(const std::wstring& path);
  ~LineLog();
  LineLog(const LineLog&) = delete;
  LineLog& operator=(const LineLog&) = delete;

  bool ok() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  void write(const std::string& line);

 private:
  HANDLE handle_;
  bool owned_;
  std::mutex mutex_;  // the busy mode writes from its own threads
};

}  // namespace service_sim
