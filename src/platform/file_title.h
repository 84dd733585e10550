// The title of a file: its name without the folder and without the last extension, as the
// file dialogs and the shell show it. Used for names taken from files the user picks.
#pragma once
#include "platform/wide_text.h"

namespace ko {

// The file name of a path without its folder and without its last extension; both kinds of
// separator count, and a name that only starts with a dot keeps it.
Text fileTitleOf(TextView path);

}  // namespace ko
