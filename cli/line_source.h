#pragma once
// The lines of a batch's input, read in large pieces through a buffer of bounded size.

#include "cli/batch.h"

#include <cstring>
#include <istream>
#include <string_view>
#include <vector>

namespace carloan {

// The lines of the input, one at a time. A line longer than longest_batch_line is passed over
// without being held: only that it was too long is told.
class line_source {
  public:
    enum class kind { line, too_long, end };

    explicit line_source(std::istream& in) : in_(in.rdbuf()), buffer_(16 * 1024) {}

    kind next(std::string_view& line) {
        while (true) {
            const char* start = buffer_.data() + begin_;
            const std::size_t held = end_ - begin_;
            if (const void* found = std::memchr(start, '\n', held)) {
                const auto length =
                    static_cast<std::size_t>(static_cast<const char*>(found) - start);
                begin_ += length + 1;
                line = std::string_view(start, length);
                return length > longest_batch_line ? kind::too_long : kind::line;
            }
            if (held > longest_batch_line) {
                skip_rest_of_line();
                return kind::too_long;
            }
            if (at_end_) {
                if (held == 0) {
                    return kind::end;
                }
                begin_ = end_;
                line = std::string_view(start, held);
                return kind::line;
            }
            fill();
        }
    }

    bool failed() const { return failed_; }

  private:
    // Room for a whole line of the longest length and a read as large after it.
    static constexpr std::size_t largest_buffer = 2 * longest_batch_line;

    void fill();
    void grow();
    void skip_rest_of_line();

    std::streambuf* in_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool at_end_ = false;
    bool failed_ = false;
};

}  // namespace carloan
