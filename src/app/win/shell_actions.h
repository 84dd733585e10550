// What the program opens outside itself: the help file beside it and the maker's web page.
#pragma once
#include "platform/wide_text.h"

namespace ko {

// Brings an open help viewer to the front, or opens "Zarvocfg.chm" beside the executable.
void OpenHelpFile();

// Starts the program registered for ".htm" files with `address`: 0 when it started, -1
// otherwise. The program does not wait for it.
int OpenWebPage(TextView address);

}  // namespace ko
