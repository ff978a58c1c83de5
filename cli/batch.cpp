// The batch: lines are read in blocks, each block is quoted by a worker into its own output, and
// the outputs are written in input order. Memory holds a few blocks at a time, never the input.

#include "cli/batch.h"

#include "cli/batch_block.h"
#include "cli/line_source.h"
#include "cli/quote_request.h"
#include "cli/tool_output.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <istream>
#include <mutex>
#include <ostream>
#include <thread>
#include <vector>

namespace carloan {
namespace {

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
