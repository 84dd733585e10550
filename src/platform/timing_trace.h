// Moments of the program's own work, for the benchmark. The program as shipped records
// nothing (the functions are empty); the benchmark's timed build of the same program links
// a recorder that prints each moment, so start-up phases, page switches and dialogs are
// timed from inside, free of the test display's delays.
#pragma once

namespace ko::trace {

// A phase of start-up has ended ("settings reloaded", "pages built", ...).
void Mark(const char* phase);
// A user action began: a click on a control, a menu choice.
void Action(const char* what);
// The action under way turned out to be `what` (a click that switches the page).
void Describe(const char* what);
// A window painted; the first paint of each window after an action ends that action's span.
void Painted(const char* window);

}  // namespace ko::trace
