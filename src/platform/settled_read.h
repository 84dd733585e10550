// Reading a file that another program rewrites whole at any moment. The profile functions
// empty the file and then write it again piece by piece, letting others read meanwhile, so
// a plain read can return the first sections of a file that is still being written: a
// well-formed file that lacks everything after them. A settings save built on such a read
// would write the missing sections away for good.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include "platform/wide_text.h"

namespace ko {

// Reads the whole file like readFileBytes, and takes a read only when the next whole read
// gives the same bytes: a writer half-way through changes them between the two. A quiet
// file costs two reads and no wait, whatever its length or age. An empty file is taken
// only once it has stayed empty for 30 ms: a writer empties the file before it writes it. While reads disagree (or
// the file is held without read sharing) they go on, a moment apart, until two agree or
// `patienceMs` of clock time has passed; the last read is then taken. False when the file
// is missing, or could not be read at all within the patience.
bool readSettledFileBytes(TextView path, std::string& bytes, int patienceMs = 300);

// The rule on its own, with the reads, the pause and the clock given, so it can be tried
// without a second program.
enum class OneRead { Read, Held, Missing };
bool readSettled(const std::function<OneRead(std::string&)>& readOnce, std::string& bytes, int patienceMs,
                 const std::function<void(int)>& pause, const std::function<int64_t()>& nowMs);

}  // namespace ko
