#include "storage/atomic_file.h"
#include "storage/quote_file.h"

#include "quote_test_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <random>
#include <string>
#include <thread>

namespace carloan {
namespace {

namespace fs = std::filesystem;
using std::chrono::minutes;

quote_record filled_record(char fill) {
    quote_record record;
    std::memset(&record, fill, sizeof record);
    return record;
}

std::string bytes_of(const quote_record& record) {
    return {reinterpret_cast<const char*>(&record), sizeof record};
}

std::size_t hidden_files(const fs::path& folder) {
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        count += entry.path().filename().string().front() == '.';
    }
    return count;
}

TEST(interrupted_saves, leave_the_old_or_the_new_file_whole_and_no_temporary_after_a_save) {
    testing::scratch_folder folder;
    const fs::path file = folder.path() / "abc.car";
    const quote_record records[2] = {filled_record('a'), filled_record('b')};
    ASSERT_TRUE(save_quote(file, records[0]));

    std::mt19937 random{std::random_device{}()};
    std::size_t left_behind = 0;
    for (int kill = 0; kill < 120; ++kill) {
        const pid_t saver = ::fork();
        ASSERT_GE(saver, 0);
        if (saver == 0) {
            for (unsigned i = 0;; ++i) {
                save_quote(file, records[i % 2]);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        ::kill(saver, SIGKILL);
        ::waitpid(saver, nullptr, 0);

        const std::string bytes = testing::file_bytes(file);
        ASSERT_TRUE(bytes == bytes_of(records[0]) || bytes == bytes_of(records[1]))
            << "after kill " << kill << ": " << bytes.size() << " bytes";
        left_behind += hidden_files(folder.path());
    }
    EXPECT_GT(left_behind, 0u) << "no kill landed inside a save";

    ASSERT_TRUE(save_quote(file, records[1]));
    EXPECT_EQ(hidden_files(folder.path()), 0u);
    EXPECT_EQ(testing::file_bytes(file), bytes_of(records[1]));
}

// A temporary goes once its write can no longer finish: at the next save of the same file, or,
// for any file, when the folder is listed an hour on. One that a running write holds stays.
TEST(interrupted_saves, temporaries_go_when_abandoned_and_never_anything_else) {
    struct row {
        const char* name;
        int age_minutes;
        bool held;
        bool gone_when_listed;
        bool gone_when_abc_is_saved;
    } rows[] = {
        {".abc.car.1.tmp", 120, false, true, true},
        {".abc.car.2.tmp", 10, false, false, true},
        {".abc.car.3.tmp", 120, true, false, false},
        {".other.car.4.tmp", 120, false, true, false},
        {".other.car.5.tmp", 10, false, false, false},
        {".abc.car.tmp", 120, false, false, false},
        {".abc.car.6.tmp.tmp", 120, false, false, false},
        {"abc.car.7.tmp", 120, false, false, false},
        {".abc.car", 120, false, false, false},
        {"old.car", 120, false, false, false},
    };
    for (const bool listing : {true, false}) {
        testing::scratch_folder folder;
        std::vector<int> locks;
        for (const row& r : rows) {
            const fs::path file = folder.write(r.name, "partial");
            fs::last_write_time(file, fs::file_time_type::clock::now() - minutes(r.age_minutes));
            if (r.held) {
                locks.push_back(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
                ASSERT_EQ(::flock(locks.back(), LOCK_EX), 0);
            }
        }
        if (listing) {
            remove_abandoned_temporaries(folder.path(), std::chrono::hours(1));
        } else {
            ASSERT_TRUE(save_quote(folder.path() / "abc.car", filled_record('n')));
        }
        for (const row& r : rows) {
            EXPECT_EQ(!fs::exists(folder.path() / r.name),
                      listing ? r.gone_when_listed : r.gone_when_abc_is_saved)
                << r.name << (listing ? " listed" : " saved");
        }
        for (const int fd : locks) {
            ::close(fd);
        }
    }
}

}  // namespace
}  // namespace carloan
