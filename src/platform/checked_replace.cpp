#include "platform/checked_replace.h"

#include <chrono>
#include <thread>

namespace ko {

CheckedReplace replaceIfUnchanged(TextView path, const std::string* expected, const std::string& bytes,
                                  int patienceMs) {
  const auto start = std::chrono::steady_clock::now();
  for (;;) {
    const CheckedReplace result = tryCheckedReplace(path, expected, bytes);
    if (result.outcome != CheckedOutcome::InUse) return result;
    if (std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(patienceMs)) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  // Held all along: a file that is held existed when the merge read it.
  if (expected == nullptr) return {CheckedOutcome::Changed, {}};
  return overwriteIfUnchanged(path, *expected, bytes);
}

}  // namespace ko
