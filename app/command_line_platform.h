#pragma once
// Where the desktop program's answers on its command line go, one file per platform:
// command_line_posix.cpp and command_line_windows.cpp.

namespace carloan {

// Makes standard output reach the console the program was started from.
void reach_parent_console();

// The platforms, in order of preference, for a run that shows no window (QT_QPA_PLATFORM).
const char* windowless_platforms();

}  // namespace carloan
