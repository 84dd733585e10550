// The steps of one settings save, timed for the benchmark (kocfg_bench prints where a save's
// time goes). Nothing is recorded unless a recorder is installed, which only the benchmark
// does: in the program each mark is one test of a pointer.
//
// A step's time runs from the mark before it to its own mark; a step named twice in one save
// (a merge run again on newer text) is the recorder's to add up.
#pragma once

namespace ko::save_steps {

using Recorder = void (*)(const char* step);
// `recorder` hears every mark from now on; nullptr stops it.
void install(Recorder recorder);
// The step `step` (a literal) has just ended.
void mark(const char* step);

}  // namespace ko::save_steps
