#pragma once
// Where the program keeps its files on this platform. Each asks the environment anew, so tests
// point them elsewhere through the same variables the desktop sets.

#include <filesystem>

namespace carloan {

// The folder of the quote files, created private (0700) with any missing parents on first use.
// Linux and other Unix systems: $XDG_DATA_HOME/carloan/quotes, by default
// ~/.local/share/carloan/quotes, a folder that outlives a restart and that no other user reads.
// Windows: the user's temporary folder, where quotes have always been kept.
// A Unix folder that other users may enter is used as it is, said once on standard error.
std::filesystem::path quote_folder();

// The branch settings file: "car.ini" in the working directory when one is there, so that a
// branch's own set-up keeps working; else, on Unix, $XDG_CONFIG_HOME/carloan/car.ini (by default
// ~/.config/carloan/car.ini), since a program started from the desktop menu runs in the home
// folder.
std::filesystem::path branch_settings_location();

// Creates the folder and each missing parent with mode 0700. True when the folder is there
// afterwards; a folder that already existed keeps its mode.
bool make_private_folder(const std::filesystem::path& folder);

}  // namespace carloan
