// What the program remembers of each file by its path, for the whole process and from any
// thread: the settings file and the profile files the user exports and imports, a handful
// of entries. A path not yet remembered gets a default-made record.
#pragma once
#include <map>
#include <mutex>
#include "platform/wide_text.h"

namespace ko {

template <typename Record>
class PerFileMemory {
 public:
  // Calls `use` with the path's record, under the lock, and returns what it returns.
  template <typename Use>
  auto with(TextView path, Use use) {
    const std::lock_guard<std::mutex> lock(mutex_);
    return use(records_[Text(path)]);
  }

 private:
  std::mutex mutex_;
  std::map<Text, Record> records_;
};

}  // namespace ko
