#include "storage/quote_file.h"

#include "quote_test_folder.h"
#include "storage/branch_settings_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <string>

namespace carloan {
namespace {

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
    const std::function<bool(const std::filesystem::path&)> writers[] = {
        [](const std::filesystem::path& p) { return save_quote(p, patterned_record(1)); },
        [](const std::filesystem::path& p) { return store_branch_settings(branch_settings{}, p); },
    };
    struct row {
        int before;  // -1: no file yet
        mode_t after;
    } rows[] = {{-1, 0600}, {0600, 0600}, {0644, 0644}, {0640, 0640}, {0664, 0664}};
    int count = 0;
    for (const mode_t mask : {0000, 0277}) {  // the mode must not come from the umask
        const mode_t old_mask = ::umask(mask);
        for (const auto& write : writers) {
            for (const row& r : rows) {
                const std::filesystem::path file = folder.path() / std::to_string(++count);
                if (r.before >= 0) {
                    folder.write(file, "old");
                    ::chmod(file.c_str(), static_cast<mode_t>(r.before));
                }
                EXPECT_TRUE(write(file));
                struct stat info {};
                ASSERT_EQ(::stat(file.c_str(), &info), 0);
                EXPECT_EQ(info.st_mode & 07777, r.after) << "umask " << mask << ", file " << count;
            }
        }
        ::umask(old_mask);
    }
}

// Both loaders take regular files only, and never wait: a FIFO would hold an open forever, and a
// device or a system file linked under a quote's name must not become a quote.
TEST(loaders, read_regular_files_only_and_a_quote_only_when_it_is_one_record_long) {
    namespace fs = std::filesystem;
    testing::scratch_folder folder;
    const quote_record stored = patterned_record(5);
    const std::string whole = bytes_of(stored);
    const fs::path record_file = folder.write("record", whole);
    const fs::path foreign_file = folder.write("passwd", std::string(1221, 'p'));

    enum settings_effect { untouched, replaced };
    struct row {
        const char* name;
        std::function<void(const fs::path&)> make;  // nothing: no such file
        bool opens_as_quote;
        settings_effect settings;
    } rows[] = {
        {"exact", [&](const fs::path& p) { folder.write(p, whole); }, true, replaced},
        {"longer", [&](const fs::path& p) { folder.write(p, whole + "q"); }, false, replaced},
        {"short", [&](const fs::path& p) { folder.write(p, whole.substr(0, 463)); }, false,
         replaced},
        {"empty", [&](const fs::path& p) { folder.write(p, ""); }, false, untouched},
        {"missing", nullptr, false, untouched},
        {"folder", [](const fs::path& p) { fs::create_directory(p); }, false, untouched},
        {"fifo", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }, false,
         untouched},
        {"link to a record", [&](const fs::path& p) { fs::create_symlink(record_file, p); }, true,
         replaced},
        {"dangling link", [&](const fs::path& p) { fs::create_symlink(folder.path() / "no", p); },
         false, untouched},
        {"link to a device", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }, false,
         untouched},
        {"link to a FIFO",
         [&](const fs::path& p) { fs::create_symlink(folder.path() / "fifo", p); }, false,
         untouched},
        {"link to a system file", [&](const fs::path& p) { fs::create_symlink(foreign_file, p); },
         false, replaced},
    };
    for (const row& r : rows) {
        const fs::path file = folder.path() / (std::string(r.name) + ".car");
        if (r.make) {
            r.make(file);
        }
        const auto started = std::chrono::steady_clock::now();
        quote_record record = patterned_record(9);
        EXPECT_EQ(open_quote(file, record), r.opens_as_quote) << r.name;
        EXPECT_EQ(bytes_of(record), bytes_of(r.opens_as_quote ? stored : patterned_record(9)))
            << r.name;

        branch_settings settings{};
        load_branch_settings(settings, file);
        EXPECT_EQ(bytes_of(settings) != bytes_of(branch_settings{}), r.settings == replaced)
            << r.name;
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1)) << r.name;
    }
}

}  // namespace
}  // namespace carloan
