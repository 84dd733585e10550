// Opening the maker's web page with the program registered for ".htm" files: from the
// registered command template to the executable and the command line that starts it.
#pragma once
#include <functional>
#include "platform/wide_text.h"

namespace ko {

// The maker's web page the program's web buttons open.
inline constexpr char16_t kMakerWebPage[] = u"https://vx48k2.example.com/";

// The executable named at the start of a registered command template: white space at the
// ends and every double quote removed, then cut at the first space before which the text
// names an existing file (`isFile` tells). Without such a space the whole template is the
// executable, as found.
Text browserExecutable(TextView commandTemplate, const std::function<bool(const Text&)>& isFile);

// "\"<executable>\" <address>": quoted, so that a path with spaces ("C:\Program Files\...")
// cannot be taken as a shorter program ("C:\Program") followed by arguments.
Text browserCommandLine(TextView executable, TextView address);

}  // namespace ko
