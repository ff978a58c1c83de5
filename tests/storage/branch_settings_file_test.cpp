#include "storage/branch_settings_file.h"
#include "storage/standard_letter_lines.h"
#include "text/cp932.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace carloan {
namespace {

namespace fs = std::filesystem;

std::string bytes_of(const branch_settings& settings) {
    return std::string(reinterpret_cast<const char*>(&settings), sizeof settings);
}

std::string read_file(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void write_file(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class branch_settings_file : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("branch_settings_file_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        path = folder / "car.ini";
    }
    void TearDown() override { fs::remove_all(folder); }

    // Everything in the folder but car.ini: leftovers of a store.
    std::size_t stray_files() const {
        std::size_t count = 0;
        for (const auto& entry : fs::directory_iterator(folder)) {
            count += entry.path().filename() != "car.ini";
        }
        return count;
    }

    fs::path folder;
    fs::path path;
};

TEST(standard_letter_lines, have_the_byte_lengths_they_print_with) {
    const std::array<std::size_t, 5> lengths{80, 50, 72, 58, 82};
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        EXPECT_EQ(standard_letter_lines()[i].size(), lengths[i]) << "line " << i + 1;
    }
    EXPECT_EQ(cp932_to_utf8(standard_letter_lines()[1]),
              "何卒ご用命下さいます様、宜しくお願い申し上げます。");
    EXPECT_EQ(standard_letter_lines()[0].substr(0, 3), "  \x82");  // two half-width blanks
}

TEST_F(branch_settings_file, store_from_an_empty_start_writes_491_zero_bytes) {
    ASSERT_TRUE(store_branch_settings(branch_settings{}, path));
    EXPECT_EQ(read_file(path), std::string(491, '\0'));
    EXPECT_EQ(stray_files(), 0u);
}

TEST_F(branch_settings_file, store_writes_exactly_the_record_whatever_was_there) {
    branch_settings settings{};
    write_slot(settings.branch_name, "Shinjuku");
    write_slot(settings.note_line_3, *utf8_to_cp932("お申し込み"));
    for (const std::string& before : {std::string(1000, 'z'), std::string(10, 'z')}) {
        write_file(path, before);
        ASSERT_TRUE(store_branch_settings(settings, path));
        EXPECT_EQ(read_file(path), bytes_of(settings)) << "over " << before.size() << " bytes";
    }
    EXPECT_EQ(stray_files(), 0u);
}

TEST_F(branch_settings_file, load_replaces_only_the_bytes_the_file_holds) {
    struct row {
        int file_size;  // -1: no file
        std::size_t replaced;
    };
    for (const row& r : std::array<row, 5>{{{-1, 0}, {0, 0}, {100, 100}, {491, 491}, {600, 491}}}) {
        fs::remove(path);
        if (r.file_size >= 0) {
            write_file(path, std::string(static_cast<std::size_t>(r.file_size), 'F'));
        }
        branch_settings settings;
        std::memset(&settings, 'm', sizeof settings);
        load_branch_settings(settings, path);
        EXPECT_EQ(bytes_of(settings),
                  std::string(r.replaced, 'F') + std::string(491 - r.replaced, 'm'))
            << "file of " << r.file_size << " bytes";
    }
}

TEST_F(branch_settings_file, store_that_cannot_create_its_file_reports_false) {
    // Runs as root in CI, so permissions cannot make it fail; a file where the folder should be
    // can.
    write_file(folder / "not_a_folder", "x");
    EXPECT_FALSE(store_branch_settings(branch_settings{}, folder / "not_a_folder" / "car.ini"));
    EXPECT_EQ(read_file(folder / "not_a_folder"), "x");
}

TEST_F(branch_settings_file, store_cut_short_while_writing_leaves_the_old_file_whole) {
    const std::string old(491, 'o');
    write_file(path, old);

    // Writes past 100 bytes fail with EFBIG, for root as well.
    const auto old_handler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit cut = saved;
    cut.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &cut), 0);
    branch_settings settings{};
    write_slot(settings.branch_name, "new");
    const bool stored = store_branch_settings(settings, path);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, old_handler);

    EXPECT_FALSE(stored);
    EXPECT_EQ(read_file(path), old);
    EXPECT_EQ(stray_files(), 0u);
}

}  // namespace
}  // namespace carloan
