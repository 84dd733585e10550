// Reading a file that another program rewrites whole at any moment. The profile functions
// empty the file and then write it again piece by piece, letting others read meanwhile, so
// a plain read can return the first sections of a file that is still being written: a
// well-formed file that lacks everything after them. A settings save built on such a read
// would write the missing sections away for good.
#pragma once
#include <functional>
#include <string>
#include "platform/wide_text.h"

namespace ko {

// Reads the whole file like readFileBytes, but only takes a read the file's entry agrees
// with: the same length and last-write time just before and just after the read, and, when
// the file was written in the last moments, still the same a short pause later (a writer
// that is not done changes the length meanwhile). A file that is never quiet for
// `patienceMs` is taken as last read. False when the file cannot be read.
bool readSettledFileBytes(TextView path, std::string& bytes, int patienceMs = 300);
// The same with the pause between looks given (it is told the milliseconds), so the rule
// can be tried without a second program.
bool readSettledFileBytes(TextView path, std::string& bytes, int patienceMs, const std::function<void(int)>& pause);

}  // namespace ko
