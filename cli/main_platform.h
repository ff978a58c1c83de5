#pragma once
// What carloan-quote sets up in its process before it runs, one file per platform:
// main_posix.cpp and main_windows.cpp.

namespace carloan {

// Makes standard output carry the bytes written to it unchanged.
void use_binary_standard_output();

}  // namespace carloan
