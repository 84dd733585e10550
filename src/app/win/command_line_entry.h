// The program's start when its command line holds a command: no window is made. With the
// window of another start open, the command is handed to it (it stays the one writer of
// the settings); otherwise this process holds the single-instance mutex while it opens the
// settings and carries the command out itself. Either way one line goes to the console.
#pragma once
#include <optional>

namespace ko {

// The exit code of the command; none when the command line asks for the window.
std::optional<int> RunCommandLine();

}  // namespace ko
