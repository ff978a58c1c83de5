#include "storage/branch_settings_file.h"

namespace carloan {

// Placeholder until branch settings land.
void load_branch_settings(branch_settings& /*settings*/, const std::filesystem::path& /*path*/) {}

bool store_branch_settings(const branch_settings& /*settings*/,
                           const std::filesystem::path& /*path*/) {
    return false;
}

}  // namespace carloan
