#include "storage/quote_file.h"

namespace carloan {

// Placeholder until quote files land.
bool save_quote(const std::filesystem::path& /*path*/, const quote_record& /*record*/) {
    return false;
}

bool open_quote(const std::filesystem::path& /*path*/, quote_record& /*record*/) {
    return false;
}

}  // namespace carloan
