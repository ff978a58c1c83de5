// The batch: lines are read in blocks, each block is quoted by a worker into its own output, and
// the outputs are written in input order. Memory holds a few blocks at a time, never the input.

#include "cli/quote_json.h"
#include "cli/quote_line.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <istream>
#include <memory>
#include <mutex>
#include <ostream>
#include <thread>
#include <vector>

namespace carloan {
namespace {

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

    void fill() {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
        // The buffer grows while a line does not fit in it, or while every read fills it (a large
        // input is read in large pieces); a few short lines never need more than the start.
        if (buffer_.size() - end_ < buffer_.size() / 2) {
            grow();
        }
        const std::size_t room = buffer_.size() - end_;
        std::streamsize got = 0;
        try {
            if (in_ != nullptr) {
                got = in_->sgetn(buffer_.data() + end_, static_cast<std::streamsize>(room));
            }
        } catch (...) {
            failed_ = true;
        }
        end_ += static_cast<std::size_t>(std::max<std::streamsize>(got, 0));
        at_end_ = got <= 0;
        if (static_cast<std::size_t>(got) == room) {
            grow();
        }
    }

    void grow() {
        if (buffer_.size() < largest_buffer) {
            buffer_.resize(2 * buffer_.size());
        }
    }

    void skip_rest_of_line() {
        while (true) {
            begin_ = end_ = 0;
            fill();
            if (const void* found = std::memchr(buffer_.data(), '\n', end_)) {
                begin_ =
                    static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data()) + 1;
                return;
            }
            if (at_end_) {
                return;
            }
        }
    }

    std::streambuf* in_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool at_end_ = false;
    bool failed_ = false;
};

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
bool read_block(line_source& source, batch_block& block) {
    std::string_view line;
    while (!block.full()) {
        const line_source::kind got = source.next(line);
        if (got == line_source::kind::end) {
            break;
        }
        if (got == line_source::kind::too_long) {
            block.lines.push_back({0, batch_block::too_long});
            continue;
        }
        block.lines.push_back({static_cast<std::uint32_t>(block.text.size()),
                               static_cast<std::uint32_t>(line.size())});
        block.text.insert(block.text.end(), line.begin(), line.end());
    }
    return !block.lines.empty();
}

void add_error(batch_block& block, std::size_t number, std::string_view why) {
    std::string message = "line " + std::to_string(number) + ": ";
    message += why;
    std::string line;
    append_error_json(line, message);
    block.errors.push_back({block.output.size(), std::move(message)});
    block.output.append(line);
}

void write_outcome(batch_block& block, const calc_outcome& outcome) {
    block.output.end_at(
        write_outcome_json(block.output.room(outcome_json_bound(outcome)), outcome));
}

// A line the plain reader declines: the full parser's request, or why there is none.
void quote_json_line(batch_block& block, std::size_t number, std::string_view line) {
    const auto parsed = parse_json_quote_line(line);
    if (const auto* request = std::get_if<quote_request>(&parsed)) {
        write_outcome(block, calculate(request->inputs, request->flags));
    } else {
        add_error(block, number, std::get<std::string>(parsed));
    }
}

// The request is the worker's own, so that its texts' storage serves line after line.
void quote_block(batch_block& block, quote_request& request) {
    // Room for the usual output of the lines at once: growing by doubling would touch twice the
    // memory.
    block.output.room(640 * block.lines.size());
    for (std::size_t i = 0; i < block.lines.size(); ++i) {
        const std::size_t number = block.first_number + i;
        const batch_block::line_at at = block.lines[i];
        if (at.length == batch_block::too_long) {
            add_error(block, number,
                      "longer than " + std::to_string(longest_batch_line) + " bytes");
            block.output.append("\n");
            continue;
        }
        const std::string_view line(block.text.data() + at.offset, at.length);
        try {
            if (read_plain_quote_line(line, request)) {
                write_outcome(block, calculate(request.inputs, request.flags));
            } else {
                quote_json_line(block, number, line);
            }
        } catch (const std::exception&) {
            add_error(block, number, "could not be quoted");
        }
        block.output.append("\n");
    }
}

// Writes a quoted block; each error message goes to `err` right after the lines before it, so
// that both read in order on a terminal.
void write_block(const batch_block& block, std::ostream& out, std::ostream& err) {
    std::size_t written = 0;
    for (const batch_block::error_note& note : block.errors) {
        out.write(block.output.data() + written,
                  static_cast<std::streamsize>(note.output_offset - written));
        out.flush();
        err << "carloan-quote: " << note.message << '\n';
        written = note.output_offset;
    }
    out.write(block.output.data() + written,
              static_cast<std::streamsize>(block.output.size() - written));
}

// Worker threads that quote the blocks handed to them, in any order.
class block_workers {
  public:
    explicit block_workers(unsigned count) {
        for (unsigned i = 0; i < count; ++i) {
            threads_.emplace_back([this] { work(); });
        }
    }
    ~block_workers() {
        {
            const std::lock_guard lock(mutex_);
            closing_ = true;
        }
        handed_.notify_all();
        for (std::thread& thread : threads_) {
            thread.join();
        }
    }

    void hand(batch_block& block) {
        {
            const std::lock_guard lock(mutex_);
            waiting_.push_back(&block);
        }
        handed_.notify_one();
    }

    void wait_until_quoted(const batch_block& block) {
        std::unique_lock lock(mutex_);
        quoted_.wait(lock, [&] { return block.quoted; });
    }

  private:
    void work() {
        quote_request request;
        std::unique_lock lock(mutex_);
        while (true) {
            handed_.wait(lock, [&] { return closing_ || !waiting_.empty(); });
            if (waiting_.empty()) {
                return;
            }
            batch_block* block = waiting_.front();
            waiting_.pop_front();
            lock.unlock();
            quote_block(*block, request);
            lock.lock();
            block->quoted = true;
            quoted_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable handed_;
    std::condition_variable quoted_;
    std::deque<batch_block*> waiting_;
    bool closing_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace

int run_batch(std::istream& in, std::ostream& out, std::ostream& err, unsigned workers) {
    line_source source(in);
    bool failed = false;
    std::size_t next_number = 1;
    const auto account = [&](const batch_block& block) {
        failed = failed || !block.errors.empty();
        if (out) {
            write_block(block, out, err);
        }
    };

    workers = std::min(workers, max_batch_workers);
    if (workers == 0) {
        batch_block block;
        quote_request request;
        while (out && (block.clear(next_number), read_block(source, block))) {
            next_number += block.lines.size();
            quote_block(block, request);
            account(block);
        }
    } else {
        // One block more than workers: one is read or written while each worker quotes one.
        std::vector<batch_block> blocks(workers + 1);
        block_workers pool(workers);
        std::size_t read = 0;
        std::size_t written = 0;
        bool input_left = true;
        while (true) {
            // Once the output cannot be written, nothing more is read.
            input_left = input_left && static_cast<bool>(out);
            while (input_left && read - written < blocks.size()) {
                batch_block& block = blocks[read % blocks.size()];
                block.clear(next_number);
                input_left = read_block(source, block);
                if (input_left) {
                    next_number += block.lines.size();
                    pool.hand(block);
                    ++read;
                }
            }
            if (written == read) {
                break;
            }
            const batch_block& oldest = blocks[written % blocks.size()];
            pool.wait_until_quoted(oldest);
            account(oldest);
            ++written;
        }
    }

    out.flush();
    if (source.failed()) {
        err << "carloan-quote: cannot read the input\n";
        failed = true;
    }
    if (!out) {
        err << "carloan-quote: cannot write the output\n";
        failed = true;
    }
    return failed ? exit_failure : exit_ok;
}

}  // namespace carloan
