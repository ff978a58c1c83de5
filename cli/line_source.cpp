#include "cli/line_source.h"

#include <algorithm>

namespace carloan {

void line_source::fill() {
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

void line_source::grow() {
    if (buffer_.size() < largest_buffer) {
        buffer_.resize(2 * buffer_.size());
    }
}

void line_source::skip_rest_of_line() {
    while (true) {
        begin_ = end_ = 0;
        fill();
        if (const void* found = std::memchr(buffer_.data(), '\n', end_)) {
            begin_ = static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data()) + 1;
            return;
        }
        if (at_end_) {
            return;
        }
    }
}

}  // namespace carloan
