#pragma once
// What each start of the desktop program does before its window: reads the branch settings as
// the settings rule finds them, and moves the quotes an earlier version kept in the temporary
// folder into the quote folder.

#include <filesystem>
#include <vector>

namespace carloan {

struct session_state;

// Returns the earlier quotes left where they were (see move_earlier_quotes), for the clerk to be
// told once the window shows.
std::vector<std::filesystem::path> start_session(session_state& session);

}  // namespace carloan
