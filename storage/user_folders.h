#pragma once
// Where the program keeps its files on this platform. Each asks the environment anew, so tests
// point them elsewhere through the same variables the desktop sets. Nothing the program writes
// goes beside the program or in the working directory: a clerk may write in neither.

#include <filesystem>

namespace carloan {

// The folder of the quote files, created private with any missing parents on first use, a folder
// that outlives a restart and that no other user reads.
// Linux and other Unix systems: $XDG_DATA_HOME/carloan/quotes, by default
// ~/.local/share/carloan/quotes; one that other users may enter is used as it is, said once on
// standard error.
// Windows: %APPDATA%\carloan\quotes, which follows the clerk's roaming profile.
std::filesystem::path quote_folder();

// Where earlier versions kept the quotes, to be moved into quote_folder(): on Windows the user's
// temporary folder, which the system's clean-ups empty; elsewhere none (empty).
std::filesystem::path earlier_quote_folder();

// The user's own branch settings file, where 初期登録 always saves.
// Unix: $XDG_CONFIG_HOME/carloan/car.ini, by default ~/.config/carloan/car.ini.
// Windows: %APPDATA%\carloan\car.ini.
std::filesystem::path own_branch_settings_file();

// The branch settings file to read: the user's own when it is there; else "car.ini" in the
// working directory when one is there (a branch's existing set-up, or a default placed beside
// the program); else the user's own, which reads as nothing.
std::filesystem::path branch_settings_location();

// Creates the folder and each missing parent, private to the user (Unix: mode 0700). True when
// the folder is there afterwards; a folder that already existed keeps its mode.
bool make_private_folder(const std::filesystem::path& folder);

}  // namespace carloan
