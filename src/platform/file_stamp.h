// What a file's directory entry says about its last write, looked at without opening the
// file (an open could fail, or block a writer, while another program holds it).
#pragma once
#include <cstdint>
#include "platform/wide_text.h"

namespace ko {

struct FileStamp {
  uint64_t size = 0;
  int64_t writeTime = 0;  // 100-nanosecond units since 1601, the file system's precision

  bool operator==(const FileStamp& other) const { return size == other.size && writeTime == other.writeTime; }
  bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

// False when there is no such file (or it is a folder) or the entry cannot be looked at.
bool readFileStamp(TextView path, FileStamp& stamp);
// The clock write times are taken from, in the same units.
int64_t currentFileTime();

}  // namespace ko
