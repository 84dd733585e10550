// Putting a merged file in place only while the file still holds what the merge read.
// Another program (the device service) rewrites the same file at any moment, so a save
// that read the file, put its own keys into that text and replaced the file could write a
// change the other program made meanwhile away. Each step here looks first:
//
//   1. The new bytes are written beside the file and flushed (nothing is in place yet).
//   2. The file is opened and read: when it no longer holds what the merge read, nothing
//      is replaced (Changed) and the caller merges again on what the file holds now.
//   3. The new file takes the old one's name while that open handle still sees the old
//      file; read again through it, the old file tells whether a write slipped in between
//      step 2 and the rename. If one did, its bytes come back (ReplacedOther) so the caller
//      can merge its own keys over them and save once more.
//   4. While another program holds the file without delete sharing, the rename is tried
//      again for a moment, then the bytes are written into the file itself, after the
//      same look (the in-place write is not atomic, but it keeps the change).
#pragma once
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
// Removes the second names a replace could not remove at once; true when none is left.
bool removeLeftReplaceNames();
// Both, as a save uses them: the rename while the file is free, retried for about
// `patienceMs` of clock time while it is held, then the in-place write.
CheckedReplace replaceIfUnchanged(TextView path, const std::string* expected, const std::string& bytes,
                                  int patienceMs = 250);

}  // namespace ko
