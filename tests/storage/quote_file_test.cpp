#include "storage/quote_file.h"

#include "quote_test_folder.h"

#include <gtest/gtest.h>

#include <cstring>
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

TEST(open_quote, reads_the_first_record_of_a_whole_file_only) {
    testing::scratch_folder folder;
    const quote_record stored = patterned_record(5);
    const quote_record before = patterned_record(9);
    const std::string whole = bytes_of(stored);
    std::filesystem::create_directory(folder.path() / "dir.car");

    struct row {
        const char* name;
        std::string content;  // empty: no such file is written
        bool opens;
    } rows[] = {
        {"exact.car", whole, true},
        {"longer.car", whole + std::string(100, 'q'), true},
        {"short.car", whole.substr(0, 463), false},
        {"empty.car", "", false},
        {"missing.car", "", false},
        {"dir.car", "", false},
    };
    for (const row& r : rows) {
        std::filesystem::path file = folder.path() / r.name;
        if (!r.content.empty() || std::string(r.name) == "empty.car") {
            file = folder.write(r.name, r.content);
        }
        quote_record record = before;
        EXPECT_EQ(open_quote(file, record), r.opens) << r.name;
        EXPECT_EQ(bytes_of(record), bytes_of(r.opens ? stored : before)) << r.name;
    }
}

}  // namespace
}  // namespace carloan
