#pragma once
// Connecting to the desktop's message bus keeps start-up waiting without needing the main thread:
// Qt's screen reader support asks for the bus when the first widget announces itself, and where
// there is no bus the attempt ends only after a helper program has been looked for. Begun on
// another thread as soon as the application object exists, it runs while the main thread reads
// the font configuration and builds the window.
//
// Reading the font configuration on another thread was tried too and left out: on two cores it
// won no time, and cost the process more CPU than reading it in turn.

#include <thread>

namespace carloan {

// A thread opening the session bus connection, or an empty one where the desktop has none
// (Windows). Start it once the application object exists; join it before the window is shown.
std::thread start_connecting_to_session_bus();

}  // namespace carloan
