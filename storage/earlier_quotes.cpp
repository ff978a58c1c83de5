#include "storage/earlier_quotes.h"

#include "storage/atomic_file.h"

#include <algorithm>
#include <system_error>

namespace carloan {
namespace {

bool ends_in_quote_extension(const std::filesystem::path& name) {
    auto extension = name.extension().native();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](auto c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; });
    return extension == std::filesystem::path(".car").native();
}

}  // namespace

std::vector<std::filesystem::path> move_earlier_quotes(const std::filesystem::path& from,
                                                       const std::filesystem::path& to) {
    std::vector<std::filesystem::path> left;
    std::error_code error;
    if (from.empty() || to.empty() || std::filesystem::equivalent(from, to, error)) {
        return left;
    }
    std::vector<std::filesystem::path> quotes;
    for (std::filesystem::directory_iterator entry(from, error), end; !error && entry != end;
         entry.increment(error)) {
        // A link is left alone: what it names is not the earlier version's to move.
        if (entry->symlink_status(error).type() == std::filesystem::file_type::regular &&
            ends_in_quote_extension(entry->path().filename())) {
            quotes.push_back(entry->path());
        }
    }
    for (const std::filesystem::path& quote : quotes) {
        if (!move_to_new_name(quote, to / quote.filename())) {
            left.push_back(quote);
        }
    }
    std::sort(left.begin(), left.end());
    return left;
}

}  // namespace carloan
