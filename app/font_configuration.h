#pragma once
// Reading the system's font configuration is the longest single step of start-up, and it needs
// no display. Started at once on another thread, it is done by the time the connection to the
// display is made, instead of after it.

#include <thread>

namespace carloan {

// A thread reading the font configuration, or an empty one where there is none to read (Windows).
// Join it before the first font is asked for.
std::thread start_reading_font_configuration();

}  // namespace carloan
