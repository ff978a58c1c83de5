#pragma once

#include <filesystem>

namespace carloan {

// The folder that holds quote files: the platform's temporary directory (TMPDIR on Linux),
// asked anew each time as the dialogs open.
std::filesystem::path temporary_folder();

}  // namespace carloan
