#pragma once
// A block of a batch: consecutive input lines, read together, quoted together by one worker, and
// written together in input order.

#include "cli/line_source.h"
#include "cli/quote_request.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace carloan {

// Output bytes that grow without being cleared first.
class byte_buffer {
  public:
    char* room(std::size_t bytes) {
        if (capacity_ - size_ < bytes) {
            const std::size_t grown = std::max(2 * capacity_, size_ + bytes);
            std::unique_ptr<char[]> larger(new char[grown]);
            if (size_ > 0) {
                std::memcpy(larger.get(), data_.get(), size_);
            }
            data_ = std::move(larger);
            capacity_ = grown;
        }
        return data_.get() + size_;
    }
    void end_at(const char* end) { size_ = static_cast<std::size_t>(end - data_.get()); }
    void append(std::string_view text) {
        end_at(std::copy(text.begin(), text.end(), room(text.size())));
    }
    const char* data() const { return data_.get(); }
    std::size_t size() const { return size_; }
    void clear() { size_ = 0; }

  private:
    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

// A block of consecutive input lines and, once quoted, their output lines.
struct batch_block {
    // Sizes at which a block is closed; with a few blocks in flight they bound the memory held.
    static constexpr std::size_t full_text = 32 * 1024;
    static constexpr std::size_t full_lines = 256;
    static constexpr std::uint32_t too_long = UINT32_MAX;

    struct line_at {
        std::uint32_t offset;
        std::uint32_t length;  // too_long for a line that was not kept
    };
    struct error_note {
        std::size_t output_offset;  // where its error line starts
        std::string message;
    };

    std::size_t first_number = 1;
    std::vector<char> text;
    std::vector<line_at> lines;
    byte_buffer output;
    std::vector<error_note> errors;
    bool quoted = false;

    batch_block() { text.reserve(full_text + 4096); }

    void clear(std::size_t first) {
        first_number = first;
        text.clear();
        lines.clear();
        output.clear();
        errors.clear();
        quoted = false;
    }

    bool full() const { return text.size() >= full_text || lines.size() >= full_lines; }
};

// Fills the block with the next lines; false when the input has none left.
bool read_block(line_source& source, batch_block& block);

// Quotes every line of the block into its output. The request is the worker's own, so that its
// texts' storage serves line after line.
void quote_block(batch_block& block, quote_request& request);

// Writes a quoted block; each error message goes to `err` right after the lines before it, so
// that both read in order on a terminal.
void write_block(const batch_block& block, std::ostream& out, std::ostream& err);

}  // namespace carloan
