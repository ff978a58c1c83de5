#include "storage/earlier_quotes.h"

#include "quote_test_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

namespace carloan {
namespace {

namespace fs = std::filesystem;
using testing::file_bytes;

std::vector<fs::path> names_in(const fs::path& folder) {
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(earlier_quotes, move_each_quote_once_never_over_one_of_the_same_name) {
    testing::scratch_folder from, to;
    from.write("a.car", "first");
    from.write("B.CAR", "second");
    from.write("taken.car", "old");
    from.write("note.txt", "not a quote");
    fs::create_directory(from.path() / "folder.car");
    fs::create_symlink(from.path() / "a.car", from.path() / "link.car");
    to.write("taken.car", "new");

    EXPECT_EQ(move_earlier_quotes(from.path(), to.path()),
              std::vector<fs::path>{from.path() / "taken.car"});
    EXPECT_EQ(names_in(to.path()), (std::vector<fs::path>{"B.CAR", "a.car", "taken.car"}));
    EXPECT_EQ(file_bytes(to.path() / "a.car"), "first");
    EXPECT_EQ(file_bytes(to.path() / "B.CAR"), "second");
    EXPECT_EQ(file_bytes(to.path() / "taken.car"), "new");
    EXPECT_EQ(names_in(from.path()),
              (std::vector<fs::path>{"folder.car", "link.car", "note.txt", "taken.car"}));
    EXPECT_EQ(file_bytes(from.path() / "taken.car"), "old");

    // Again, nothing more moves; into a folder that is not there, or from the folder itself,
    // nothing moves at all.
    EXPECT_EQ(move_earlier_quotes(from.path(), to.path()),
              std::vector<fs::path>{from.path() / "taken.car"});
    EXPECT_EQ(move_earlier_quotes(from.path(), to.path() / "missing"),
              std::vector<fs::path>{from.path() / "taken.car"});
    EXPECT_TRUE(move_earlier_quotes(to.path(), to.path()).empty());
    EXPECT_TRUE(move_earlier_quotes({}, to.path()).empty());
    EXPECT_TRUE(move_earlier_quotes(from.path() / "missing", to.path()).empty());
    EXPECT_EQ(names_in(to.path()), (std::vector<fs::path>{"B.CAR", "a.car", "taken.car"}));
}

// The temporary folder and the profile can lie on different volumes, where no rename reaches.
TEST(earlier_quotes, move_across_volumes_as_a_copy_that_takes_its_name_in_one_step) {
    struct stat temporary {
    }, memory{};
    if (::stat(fs::temp_directory_path().c_str(), &temporary) != 0 ||
        ::stat("/dev/shm", &memory) != 0 || temporary.st_dev == memory.st_dev) {
        GTEST_SKIP() << "no second volume";
    }
    testing::scratch_folder from;
    testing::scratch_folder to(fs::path("/dev/shm") / from.path().filename());
    from.write("a.car", "first");
    from.write("taken.car", "old");
    to.write("taken.car", "new");
    EXPECT_EQ(move_earlier_quotes(from.path(), to.path()),
              std::vector<fs::path>{from.path() / "taken.car"});
    EXPECT_EQ(names_in(to.path()), (std::vector<fs::path>{"a.car", "taken.car"}));
    EXPECT_EQ(file_bytes(to.path() / "a.car"), "first");
    EXPECT_EQ(file_bytes(to.path() / "taken.car"), "new");
    EXPECT_EQ(names_in(from.path()), std::vector<fs::path>{"taken.car"});
}

}  // namespace
}  // namespace carloan
