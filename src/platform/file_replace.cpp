// The save's way of putting a file in place beside other programs that read and write it:
// the atomic replace when the name is free, a short wait while another program holds the
// file, and the profile functions' own in-place write when the wait runs out.
#include <chrono>
#include <thread>
#include "platform/file_system.h"

namespace ko {

bool replaceWithPatience(const std::function<ReplaceAttempt()>& attempt, const std::function<bool()>& inPlace,
                         int patienceMs, const std::function<void(int)>& pause) {
  constexpr int kStepMs = 5;
  for (int waited = 0;; waited += kStepMs) {
    const ReplaceAttempt result = attempt();
    if (result == ReplaceAttempt::Replaced) return true;
    if (result == ReplaceAttempt::Failed) return false;
    if (waited >= patienceMs) break;
    pause(kStepMs);
  }
  // Still held: the other program opened it with write sharing, so writing into it works
  // where renaming over it does not. Losing the change would be worse than a reader
  // seeing the file mid-write, which the profile functions risk on every write anyway.
  return inPlace();
}

bool replaceFileContents(TextView path, const std::string& bytes, int patienceMs) {
  return replaceWithPatience([&] { return tryReplaceFile(path, bytes); }, [&] { return overwriteInPlace(path, bytes); },
                             patienceMs, [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); });
}

std::string paddedToLength(const std::string& bytes, uint64_t oldSize) {
  if (bytes.size() >= oldSize) return bytes;
  const bool utf16 = bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
                     static_cast<unsigned char>(bytes[1]) == 0xFE;
  const std::string lineEnd = utf16 ? std::string("\n\0", 2) : std::string("\n");
  std::string padded = bytes;
  padded.reserve(static_cast<size_t>(oldSize) + 1);
  while (padded.size() < oldSize) padded += lineEnd;
  return padded;
}

namespace {

// "<file>.~<digits>-<digits><suffix>": the names the saves give their own files beside the
// one they write, and nothing else in the folder.
bool isSaveSiblingName(TextView name, TextView suffix) {
  if (name.size() <= suffix.size() || name.substr(name.size() - suffix.size()) != suffix) return false;
  const size_t marker = name.rfind(u".~");
  if (marker == TextView::npos || marker == 0) return false;
  const TextView middle = name.substr(marker + 2, name.size() - suffix.size() - marker - 2);
  const size_t dash = middle.find(u'-');
  if (dash == TextView::npos || dash == 0 || dash + 1 == middle.size()) return false;
  for (size_t i = 0; i < middle.size(); ++i)
    if (i != dash && (middle[i] < u'0' || middle[i] > u'9')) return false;
  return true;
}

Text withSeparator(TextView folder) {
  Text prefix(folder);
  if (prefix.back() != u'\\' && prefix.back() != u'/') prefix += u'\\';
  return prefix;
}

}  // namespace

bool isReplaceTemporaryName(TextView name) { return isSaveSiblingName(name, u".tmp"); }

int finishInterruptedSaves(TextView folder) {
  if (folder.empty()) return 0;
  const Text prefix = withSeparator(folder);
  int finished = 0;
  for (const Text& name : listFiles(folder)) {
    if (!isSaveSiblingName(name, u".pending")) continue;
    // A journal is made whole before the write into its file begins, and removed once that
    // write is done: one still here means the file may hold part of the new text.
    const Text journal = prefix + name;
    const Text target = prefix + name.substr(0, name.rfind(u".~"));
    std::string bytes;
    if (readFileBytes(journal, bytes) && replaceFileContents(target, bytes)) ++finished;
    deleteFile(journal);
  }
  return finished;
}

int removeStrayReplaceFiles(TextView folder) {
  if (folder.empty()) return 0;
  const Text prefix = withSeparator(folder);
  int removed = 0;
  for (const Text& name : listFiles(folder))
    if (isReplaceTemporaryName(name) && deleteFile(prefix + name)) ++removed;
  return removed;
}

}  // namespace ko
