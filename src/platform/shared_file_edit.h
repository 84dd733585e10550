// Changing an INI file that another program rewrites whole at any moment, without writing
// that program's changes away. The order, which every caller gets from editSharedFile:
//
//   0. where the platform can (Windows), open the file so that others may read it but no
//      other writer may open it, read it, apply the edit and write the result under that
//      same open (mergeUnderLock). Nothing can come between the read and the write. When a
//      writer holds the file for longer than a moment, or there is no file yet, or the
//      platform has no such open, the steps below follow:
//   1. read the file until two whole reads agree (readSettledFileBytes);
//   2. apply the caller's edit to that text in memory;
//   3. put the result in place only if the file still holds what step 1 read
//      (replaceIfUnchanged); when it does not, go back to step 1 on what it holds now,
//      and when a write slipped in just before the rename, apply the edit to what that
//      write put there and put the result in place once more.
//
// The edit must therefore be one that can be applied again to newer text: "these keys take
// these values", never "the file becomes this".
#pragma once
#include <functional>
#include <string>
#include "platform/ini_document.h"
#include "platform/profile_strings.h"
#include "platform/wide_text.h"

namespace ko {

enum class SharedEdit {
  Done,        // the file holds the edit (or needed none)
  NotWritten,  // the edit was made but could not be put in place (read-only file, no folder,
               // a file that kept changing for longer than the patience)
  Unreadable,  // the file exists but could not be read: nothing was written
};

// `edit` changes the document and returns whether every one of its writes was accepted
// (a refused key is reported, the rest still goes out). It may run more than once. A
// missing file starts as an empty document and is created only if the edit wrote something.
// What an edit met and left, for a caller that watches the file's other writers.
struct SharedEditTrace {
  // Set by the caller: whether a text is the one it last read from the file or wrote there.
  // The first read is asked about as it is made, so the text need not be kept.
  std::function<bool(const std::string&)> known;
  bool firstReadKnown = false;  // `known` recognised what the first read found
  std::string last;             // what the file holds after the edit (as written or as read)
  bool wrote = false;           // the edit put new contents in place
};
SharedEdit editSharedFile(TextView path, const std::function<bool(ini::Document&)>& edit, int patienceMs = 1500,
                          SharedEditTrace* trace = nullptr);

// The other program's profile functions read the whole file, change one key and write the
// whole file back a moment later. An edit that took the file's place in that moment is
// written over with the copy they read, from before the edit. So after an edit into a file
// another program was writing, the file is looked at again a few milliseconds apart until
// it has been quiet for two looks (or `forMs` have passed): each time it changed, `redo`
// gets it and puts back what it finds undone (returning whether it changed anything), and
// the result goes in place as an edit. `last` is what the edit left in the file. Nothing
// here waits unless the caller saw another writer.
void putBackUndoneEdit(TextView path, std::string last, const std::function<bool(ini::Document&)>& redo,
                       int forMs = 40);

// Profile strings over one document in memory (reads and writes on `path` only), so
// routines written against the profile functions can read or edit a document.
class DocumentStrings final : public ProfileStrings {
 public:
  DocumentStrings(TextView path, ini::Document& document) : path_(path), document_(document) {}
  Text readString(TextView file, TextView section, TextView key, TextView fallback) override;
  bool writeString(TextView file, TextView section, TextView key, TextView value) override;
  int32_t readInt(TextView file, TextView section, TextView key, int32_t fallback) override;
  bool readStruct(TextView file, TextView section, TextView key, void* buffer, size_t size) override;
  bool writeStruct(TextView file, TextView section, TextView key, const void* bytes, size_t size) override;

 private:
  Text path_;
  ini::Document& document_;
};

}  // namespace ko
