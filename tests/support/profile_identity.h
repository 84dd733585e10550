// Runs one sequence of profile-string calls through two implementations, each on its own
// copy of the same starting file, and compares the files they leave byte for byte. Used to
// show that the portable engine writes what the platform's functions write.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include "platform/file_system.h"
#include "platform/profile_strings.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace ko::test {

using ProfileWrites = std::function<void(ProfileStrings& strings, TextView path)>;

// `initial` is the starting file (no file at all when empty of value); `writes` gets the
// implementation and the path of its copy.
inline testing::AssertionResult sameFilesAfter(const std::optional<std::string>& initial, const ProfileWrites& writes,
                                               ProfileStrings& first, ProfileStrings& second) {
  TempDir dir;
  const Text firstPath = dir.file(u"first.ini");
  const Text secondPath = dir.file(u"second.ini");
  if (initial && (!writeFileBytes(firstPath, *initial) || !writeFileBytes(secondPath, *initial))) {
    return testing::AssertionFailure() << "cannot write the starting file";
  }
  writes(first, firstPath);
  writes(second, secondPath);
  const std::string a = bytesOf(firstPath);
  const std::string b = bytesOf(secondPath);
  // Two implementations that both wrote nothing agree trivially; that proves nothing.
  if (initial ? a == *initial : a.empty()) return testing::AssertionFailure() << "the writes left the file unchanged";
  if (a == b) return testing::AssertionSuccess();
  size_t at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
  const size_t from = at > 40 ? at - 40 : 0;
  return testing::AssertionFailure() << "files differ at byte " << at << " (sizes " << a.size() << " and " << b.size()
                                     << ")\n--- first, from byte " << from << ":\n"
                                     << visible(a.substr(from, 160)) << "\n--- second:\n"
                                     << visible(b.substr(from, 160));
}

}  // namespace ko::test
