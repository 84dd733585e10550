// Putting a merged file in place only while the file still holds what the merge read.
// Another program (the device service) rewrites the same file at any moment, so a save
// that read the file, put its own keys into that text and wrote it could write a change
// the other program made meanwhile away. Each step here looks first:
//
//   1. On Windows the file is opened so that others may still read it but no other writer
//      may open it, and read (mergeUnderLock): when it no longer holds what the merge read,
//      nothing is written (Changed) and the caller merges again on what it holds now.
//      Otherwise the new bytes go into the file under that same open, while a journal
//      beside it holds them whole, so a process ended mid-write leaves the new text for
//      the next start to put in place (finishInterruptedSaves).
//   2. Natively (the test build) the new bytes are written beside the file and flushed,
//      the file is read and compared, and the sibling is renamed over it; a write that
//      slipped in after the look shows in the old file (ReplacedOther).
//   3. While another program holds the file for writing, the attempt is repeated for a
//      moment of clock time, then left to the caller's own patience.
#pragma once
#include <functional>
#include <string>
#include "platform/wide_text.h"

namespace ko {

enum class CheckedOutcome {
  Replaced,       // the file held what was expected and now holds the new bytes
  ReplacedOther,  // the new bytes are in place, but they replaced `found`, written after the look
  Changed,        // the file no longer held what was expected: nothing was written
  InUse,          // another program holds the file without delete sharing: nothing was written
  Failed,         // missing folder, read-only file, a disk that refused: nothing was written
};

struct CheckedReplace {
  CheckedOutcome outcome;
  std::string found;  // with ReplacedOther: the bytes the write that slipped in had put there
};

// `expected`: the bytes the caller merged onto, or nullptr when the file did not exist (a
// file that appears meanwhile is then Changed, never written over).
CheckedReplace tryCheckedReplace(TextView path, const std::string* expected, const std::string& bytes);
// The in-place write after the same look (Changed when the file holds something else).
CheckedReplace overwriteIfUnchanged(TextView path, const std::string& expected, const std::string& bytes);
// Both, as a save uses them: the checked write while the file is free, retried for about
// `patienceMs` of clock time while it is held, then the in-place write.
CheckedReplace replaceIfUnchanged(TextView path, const std::string* expected, const std::string& bytes,
                                  int patienceMs = 250);

enum class LockedMerge {
  Written,      // the file held what `merge` got and now holds what it made
  Unchanged,    // `merge` changed nothing: nothing was written
  Held,         // another program has the file open for writing just now: nothing was read
  Missing,      // there is no such file
  Failed,       // a read-only file, a folder, a disk that refused
  Unsupported,  // the platform cannot keep other writers out (natively)
};
// Where the platform can keep other writers out while letting readers in (Windows: an open
// without write sharing), opens the file so, reads it whole and writes `merge(what it read)`
// into it under that same open, so no other write can come between the read and the write.
// The whole new text waits beside the file as a journal while it is written. `merge` returns
// a text that lives until mergeUnderLock returns (what it read, or a text of the caller's),
// so that neither is copied.
using LockedMergeStep = std::function<const std::string&(const std::string&)>;
LockedMerge mergeUnderLock(TextView path, const LockedMergeStep& merge);

}  // namespace ko
