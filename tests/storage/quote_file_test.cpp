#include "storage/quote_file.h"

#include "quote_test_folder.h"
#include "storage/branch_settings_file.h"
#include "storage/quote_calculation.h"

#include "storage/atomic_file.h"
#include "text/cp932.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace carloan {
namespace {

namespace fs = std::filesystem;

// Every byte differs from its neighbours, so a shifted or partial copy shows.
quote_record patterned_record(unsigned char seed) {
    quote_record record;
    auto* bytes = reinterpret_cast<unsigned char*>(&record);
    for (std::size_t i = 0; i < sizeof record; ++i) {
        bytes[i] = static_cast<unsigned char>(seed + i * 7);
    }
    return record;
}

std::string bytes_of(const quote_record& record) {
    return {reinterpret_cast<const char*>(&record), sizeof record};
}

std::string bytes_of(const branch_settings& settings) {
    return {reinterpret_cast<const char*>(&settings), sizeof settings};
}

std::size_t hidden_files(const fs::path& folder) {
    return std::count_if(fs::directory_iterator(folder), fs::directory_iterator(),
                         [](auto& e) { return e.path().filename().string().front() == '.'; });
}

TEST(save_quote, writes_exactly_the_record_and_replaces_a_longer_file) {
    testing::scratch_folder folder;
    const std::filesystem::path file = folder.write("abc.car", std::string(2000, 'z'));
    const quote_record record = patterned_record(3);

    ASSERT_TRUE(save_quote(file, record));
    EXPECT_EQ(testing::file_bytes(file), bytes_of(record));
    EXPECT_EQ(folder.entry_count(), 1u) << "a temporary file was left behind";

    ASSERT_TRUE(save_quote(folder.path() / u8"見積.car", record));
    EXPECT_EQ(testing::file_bytes(folder.path() / u8"見積.car"), bytes_of(record));
}

TEST(save_quote, reports_failure_and_leaves_nothing_behind) {
    testing::scratch_folder folder;
    const std::filesystem::path regular = folder.write("plain", "x");
    std::filesystem::create_directory(folder.path() / "dir.car");
    std::filesystem::create_directory(folder.path() / "full.car");
    folder.write(std::filesystem::path("full.car") / "inside", "x");

    for (const std::filesystem::path& target :
         {regular / "abc.car", folder.path() / "missing" / "abc.car", folder.path() / "dir.car",
          folder.path() / "full.car"}) {
        EXPECT_FALSE(save_quote(target, patterned_record(1))) << target;
    }
    EXPECT_EQ(folder.entry_count(), 3u);
    EXPECT_EQ(testing::file_bytes(regular), "x");
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "dir.car"));
}

TEST(saved_files, are_private_unless_they_replace_a_file_whose_permissions_they_keep) {
    testing::scratch_folder folder;
    const int rows[][2] = {{-1, 0600}, {0600, 0600}, {0644, 0644}, {0640, 0640}};  // before, after
    int count = 0;
    for (const mode_t mask : {0000, 0277}) {  // the mode must not come from the umask
        const mode_t old_mask = ::umask(mask);
        for (const auto& [before, after] : rows) {
            const fs::path file = folder.path() / std::to_string(++count);
            if (before >= 0) {
                folder.write(file, "old");
                ::chmod(file.c_str(), static_cast<mode_t>(before));
            }
            EXPECT_TRUE(save_quote(file, patterned_record(1)));
            EXPECT_EQ(testing::mode_of(file), static_cast<mode_t>(after)) << "file " << count;
        }
        ::umask(old_mask);
    }
}

// Both loaders take regular files only, and never wait: a FIFO would hold an open forever, and a
// device or a system file linked under a quote's name must not become a quote.
TEST(loaders, read_regular_files_only_and_a_quote_only_when_it_is_one_record_long) {
    testing::scratch_folder folder;
    const std::string whole = bytes_of(patterned_record(5));
    const fs::path fifo = folder.path() / "fifo.car";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto link = [&](const char* name, const fs::path& to) {
        fs::create_symlink(to, folder.path() / name);
        return folder.path() / name;
    };
    struct row {
        fs::path file;
        bool quote;
        bool settings_read;
    } rows[] = {
        {folder.write("exact.car", whole), true, true},
        {folder.write("longer.car", whole + "q"), false, true},
        {folder.write("short.car", whole.substr(0, 463)), false, true},
        {folder.write("empty.car", ""), false, false},
        {folder.path() / "missing.car", false, false},
        {folder.path(), false, false},
        {fifo, false, false},
        {link("record.car", folder.path() / "exact.car"), true, true},
        {link("dangling.car", folder.path() / "missing.car"), false, false},
        {link("device.car", "/dev/zero"), false, false},
        {link("fifo-link.car", fifo), false, false},
        {link("passwd.car", folder.write("passwd", std::string(1221, 'p'))), false, true},
    };
    for (const row& r : rows) {
        const auto started = std::chrono::steady_clock::now();
        quote_record record = patterned_record(9);
        EXPECT_EQ(open_quote(r.file, record), r.quote) << r.file;
        EXPECT_EQ(bytes_of(record), bytes_of(patterned_record(r.quote ? 5 : 9))) << r.file;
        branch_settings settings{};
        load_branch_settings(settings, r.file);
        EXPECT_EQ(bytes_of(settings) != bytes_of(branch_settings{}), r.settings_read) << r.file;
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1)) << r.file;
    }
}

TEST(interrupted_saves, leave_the_old_or_the_new_file_whole_and_no_temporary_after_a_save) {
    testing::scratch_folder folder;
    const fs::path file = folder.path() / "abc.car";
    const quote_record records[2] = {patterned_record(1), patterned_record(2)};
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
        bool held, gone_when_listed, gone_when_abc_is_saved;
    } rows[] = {
        {".abc.car.1.tmp", 120, false, true, true},
        {".abc.car.2.tmp", 10, false, false, true},
        {".abc.car.3.tmp", 120, true, false, false},
        {".other.car.4.tmp", 120, false, true, false},
        {".abc.car.5x.tmp", 120, false, false, false},
        {"old.car", 120, false, false, false},
    };
    for (const bool listing : {true, false}) {
        testing::scratch_folder folder;
        std::vector<int> locks;
        for (const row& r : rows) {
            const fs::path file = folder.write(r.name, "partial");
            fs::last_write_time(
                file, fs::file_time_type::clock::now() - std::chrono::minutes(r.age_minutes));
            if (r.held) {
                locks.push_back(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
                ASSERT_EQ(::flock(locks.back(), LOCK_EX), 0);
            }
        }
        if (listing) {
            remove_abandoned_temporaries(folder.path(), std::chrono::hours(1));
        } else {
            ASSERT_TRUE(save_quote(folder.path() / "abc.car", patterned_record(3)));
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

std::string bytes_of(const extension_block& block) {
    return {reinterpret_cast<const char*>(&block), sizeof block};
}

quote_extension sample_extension() {
    quote_extension extension{};
    extension.residual = 957000;
    extension.residual_percent = 4550;
    write_slot(extension.vehicle_price_text, "2,100,000");
    write_slot(extension.down_payment_text, "300,000");
    return extension;
}

// The block comes back whole; cut short, damaged or of an unknown version it is left out with a
// message and the record still opens; an empty extension keeps the file the bare record.
TEST(quote_extension, reads_back_and_is_left_out_when_cut_short_damaged_or_unknown) {
    testing::scratch_folder folder;
    const quote_record record = patterned_record(4);
    const fs::path file = folder.path() / "residual.car";
    ASSERT_TRUE(save_quote_with_extension(file, record, sample_extension()));
    const std::string whole = testing::file_bytes(file);
    ASSERT_EQ(whole, bytes_of(record) + bytes_of(block_of(sample_extension())));
    ASSERT_TRUE(save_quote_with_extension(folder.path() / "plain.car", record, quote_extension{}));
    EXPECT_EQ(testing::file_bytes(folder.path() / "plain.car"), bytes_of(record));

    extension_block unknown = block_of(sample_extension());
    unknown.version = 2;
    unknown.checksum = crc32(std::span(reinterpret_cast<const char*>(&unknown), 116));
    std::string flipped = whole;
    flipped[464 + 20] ^= 1;
    const std::string cut_short = "残価・価格明細の記録が途中で切れているため読み込みませんでした";
    const std::string damaged = "残価・価格明細の記録が壊れているため読み込みませんでした";
    struct row {
        std::string bytes;
        bool extension_read;
        std::string message;
    } rows[] = {
        {whole, true, ""},
        {bytes_of(record), false, ""},
        {whole.substr(0, 466), false, cut_short},
        {whole.substr(0, 474), false, cut_short},
        {whole.substr(0, whole.size() - 1), false, cut_short},
        {flipped, false, damaged},
        {whole + "x", false, damaged},
        {bytes_of(record) + bytes_of(unknown), false,
         "残価・価格明細の記録の形式が分からないため読み込みませんでした"},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.bytes.size());
        quote_record opened{};
        quote_extension extension = sample_extension();
        std::string message = "left over";
        const quote_extension expected = sample_extension();
        const quote_extension zero_extension{};
        ASSERT_TRUE(open_quote_with_extension(folder.write("opened.car", r.bytes), opened,
                                              extension, message));
        EXPECT_EQ(bytes_of(opened), bytes_of(record));
        EXPECT_EQ(message, r.message);
        EXPECT_EQ(std::memcmp(&extension, r.extension_read ? &expected : &zero_extension,
                              sizeof extension),
                  0);
    }
    // The residual comes back as it was typed.
    const std::pair<residual_amount, const char*> residuals[] = {{{1365000, 4550}, "45.5%"},
                                                                 {{1357500, 4525}, "45.25%"},
                                                                 {{1350000, 4500}, "45%"},
                                                                 {{957000, 0}, "957000"},
                                                                 {{0, 0}, ""}};
    for (const auto& [residual, text] : residuals) {
        quote_extension stored{};
        store_extension(stored, price_line_texts{"3,000,000"}, residual);
        EXPECT_EQ(residual_text_of(stored), text);
        EXPECT_EQ(price_lines_of(stored), price_line_texts{"3,000,000"});
    }
    // Known CRC-32 of "123456789".
    EXPECT_EQ(crc32(std::span<const char>("123456789", 9)), 0xCBF43926u);
}

}  // namespace
}  // namespace carloan
