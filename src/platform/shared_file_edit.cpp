#include "platform/shared_file_edit.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include "platform/checked_replace.h"
#include "platform/file_system.h"
#include "platform/save_steps.h"
#include "platform/settled_read.h"

namespace ko {

SharedEdit editSharedFile(TextView path, const std::function<bool(ini::Document&)>& edit, int patienceMs,
                          SharedEditTrace* trace) {
  SharedEditTrace ignored;
  SharedEditTrace& seen = trace ? *trace : ignored;
  bool firstRead = true;
  const auto start = std::chrono::steady_clock::now();
  const auto outOfTime = [&] {
    return std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(patienceMs);
  };
  // First the read and the write under one open that keeps other writers out (where the
  // platform has one): nothing can come between them. A file held by a writer for longer,
  // a missing file, or a platform without such an open go the way below: look, write
  // beside, look again.
  constexpr int kLockPatienceMs = 250;
  for (bool everyKey = true;;) {
    const LockedMerge locked = mergeUnderLock(path, [&](const std::string& now) -> const std::string& {
      if (firstRead) seen.firstReadKnown = seen.known && seen.known(now);
      firstRead = false;
      ini::Document document = ini::Document::fromBytes(now);
      everyKey = edit(document);
      save_steps::mark("merge");
      seen.last = document.toBytes();
      return seen.last;
    });
    if (locked == LockedMerge::Written) seen.wrote = true;
    if (locked == LockedMerge::Written || locked == LockedMerge::Unchanged)
      return everyKey ? SharedEdit::Done : SharedEdit::NotWritten;
    if (locked == LockedMerge::Failed) return SharedEdit::NotWritten;
    if (locked != LockedMerge::Held) break;
    if (std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(std::min(kLockPatienceMs, patienceMs)))
      break;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  std::string input;   // the text the edit is applied to
  std::string onDisk;  // what the file must still hold for the result to replace it
  bool existed = false;
  bool readAgain = true;
  for (;;) {
    if (readAgain) {
      existed = readSettledFileBytes(path, input);
      save_steps::mark("read until two agree");
      // The read has already waited its patience for a file held without sharing.
      if (!existed && entryExists(path)) return SharedEdit::Unreadable;
      if (!existed) input.clear();
      onDisk = input;
      if (firstRead) seen.firstReadKnown = seen.known && seen.known(input);
      firstRead = false;
    }
    ini::Document document = existed ? ini::Document::fromBytes(input) : ini::Document();
    const bool everyKey = edit(document);
    save_steps::mark("merge");
    const std::string out = document.toBytes();
    seen.last = onDisk;
    if (existed ? out == onDisk : out == ini::Document().toBytes())
      return everyKey ? SharedEdit::Done : SharedEdit::NotWritten;
    const CheckedReplace result = replaceIfUnchanged(path, existed ? &onDisk : nullptr, out);
    save_steps::mark("write beside, look, rename");
    if (result.outcome == CheckedOutcome::Replaced || result.outcome == CheckedOutcome::ReplacedOther) {
      seen.last = out;
      seen.wrote = true;
    }
    switch (result.outcome) {
      case CheckedOutcome::Replaced: return everyKey ? SharedEdit::Done : SharedEdit::NotWritten;
      case CheckedOutcome::ReplacedOther:
        input = result.found;
        onDisk = out;
        existed = true;
        readAgain = false;
        break;
      case CheckedOutcome::Changed:
      case CheckedOutcome::InUse: readAgain = true; break;
      case CheckedOutcome::Failed: return SharedEdit::NotWritten;
    }
    if (outOfTime()) return SharedEdit::NotWritten;
  }
}

void putBackUndoneEdit(TextView path, std::string last, const std::function<bool(ini::Document&)>& redo,
                       int forMs) {
  constexpr int kLookEveryMs = 3;
  const auto start = std::chrono::steady_clock::now();
  for (int quietLooks = 0; quietLooks < 2;) {
    if (std::chrono::steady_clock::now() - start > std::chrono::milliseconds(forMs)) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(kLookEveryMs));
    std::string now;
    if (!readSettledFileBytes(path, now)) continue;
    if (now == last) {
      ++quietLooks;
      continue;
    }
    quietLooks = 0;
    last = now;
    ini::Document document = ini::Document::fromBytes(now);
    if (!redo(document)) continue;
    SharedEditTrace trace;
    editSharedFile(path, redo, 1500, &trace);
    last = trace.last;
  }
}

Text DocumentStrings::readString(TextView file, TextView section, TextView key, TextView fallback) {
  return file == path_ ? document_.readString(section, key, fallback) : Text(fallback);
}

bool DocumentStrings::writeString(TextView file, TextView section, TextView key, TextView value) {
  return file == path_ && document_.writeString(section, key, value);
}

int32_t DocumentStrings::readInt(TextView file, TextView section, TextView key, int32_t fallback) {
  return file == path_ ? document_.readInt(section, key, fallback) : fallback;
}

bool DocumentStrings::readStruct(TextView file, TextView section, TextView key, void* buffer, size_t size) {
  return file == path_ && document_.readStruct(section, key, buffer, size);
}

bool DocumentStrings::writeStruct(TextView file, TextView section, TextView key, const void* bytes, size_t size) {
  return file == path_ && document_.writeStruct(section, key, bytes, size);
}

}  // namespace ko
