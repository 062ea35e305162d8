// Time stamps of the start-up, for the start-up harness (bench/StartupHarness.cpp): the
// moments a program reaches, in ticks of the platform's high-resolution counter.
// Kept only when the environment variable XP_STARTUP_MARKS names a file, and written there
// at the end, after the harness has taken its own time: otherwise a mark costs nothing.
#pragma once

namespace fw::startup {

// Whether marks were asked for.
bool Recording();
// Records that the program reached `name` now (a literal: kept as a pointer).
void Mark(const char* name);
// Writes "name ticks" lines to the file; once, and only when marks were asked for.
void WriteMarks();

}  // namespace fw::startup
