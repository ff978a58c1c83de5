#pragma once
// Two steps of start-up keep the main thread waiting without needing it: reading the system's
// font configuration, and connecting to the desktop's message bus, which the screen reader
// support asks for when the first widget announces itself (and which, where there is no bus,
// ends only after a helper program has been looked for). Each is begun on another thread, so
// that the main thread makes the display connection and builds the window meanwhile.

#include <thread>

namespace carloan {

// A thread reading the font configuration, or an empty one where there is none to read (Windows).
// Join it before the first font is asked for.
std::thread start_reading_font_configuration();

// A thread opening the session bus connection, or an empty one where the desktop has none
// (Windows). Start it once the application object exists; join it before the window is shown.
std::thread start_connecting_to_session_bus();

}  // namespace carloan
