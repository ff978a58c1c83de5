#include "storage/quote_folder.h"

#include "quote_test_folder.h"
#include "text/cp932.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

namespace carloan {
namespace {

std::string cp932(const char* utf8) {
    return utf8_to_cp932(utf8).value();
}

TEST(with_quote_extension, adds_car_unless_the_name_holds_it_with_case) {
    struct row {
        const char* typed;
        const char* name;
    } rows[] = {
        {"abc", "abc.car"},
        {"見積", "見積.car"},
        {"abc.car", "abc.car"},
        {"x.card", "x.card"},
        {"A.CAR", "A.CAR.car"},
        {"a", "a.car"},
        {"a.carb.x", "a.carb.x"},
        {".ca", ".ca.car"},
        {"car", "car.car"},
        {"12345678901234567890123456789", "12345678901234567890123456789.car"},
    };
    for (const row& r : rows) {
        EXPECT_EQ(with_quote_extension(cp932(r.typed)), cp932(r.name)) << r.typed;
    }
}

TEST(quote_names, are_refused_when_they_reach_outside_or_cannot_be_created_everywhere) {
    struct row {
        const char* name;
        bool leaves_folder;
        bool portable;
    } rows[] = {
        {"abc.car", false, true},
        {"見積.car", false, true},
        {"ソ表.car", false, true},  // second bytes 0x5C, not separators
        {"..car", false, true},
        {"console.car", false, true},
        {"com10.car", false, true},
        {"a b.car", false, true},
        {".", true, false},
        {"..", true, false},
        {"../x.car", true, false},
        {"a/b.car", true, false},
        {"a\\b.car", true, false},
        {"/etc/passwd", true, false},
        {"a:b.car", false, false},
        {"a*.car", false, false},
        {"a?.car", false, false},
        {"a\"b.car", false, false},
        {"a<b>.car", false, false},
        {"a|b.car", false, false},
        {"a\tb.car", false, false},
        {"x.car.", false, false},
        {"x.car ", false, false},
        {"con.car", false, false},
        {"CON", false, false},
        {"Nul .car", false, false},
        {"com1.car", false, false},
        {"LPT9.x.car", false, false},
        {"conout$.car", false, false},
        {"", false, false},
    };
    for (const row& r : rows) {
        const std::string name = cp932(r.name);
        EXPECT_EQ(leaves_quote_folder(name), r.leaves_folder) << r.name;
        EXPECT_EQ(is_portable_file_name(name), r.portable) << r.name;
    }
}

TEST(quote_file_path, names_the_file_in_the_platform_encoding) {
    const std::filesystem::path folder = "/tmp/quotes";
    EXPECT_EQ(quote_file_path(folder, cp932("見積.car")), folder / u8"見積.car");
    EXPECT_EQ(quote_file_path(folder, cp932("ソ表.car")), folder / u8"ソ表.car");
}

TEST(list_quote_files, lists_car_files_in_any_case_sorted_without_regard_to_case) {
    testing::scratch_folder folder;
    for (const char* name : {"b.car", "B2.car", "a.CAR", "見積.car", "ソ表.car", ".car", "x.card",
                             "y.txt", "car", "z.car.bak", "😀.car", "〜.car"}) {
        folder.write(std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(name))),
                     "x");
    }
    folder.write("\xff\xfe.car", "x");  // not UTF-8
    folder.write("tab\t.car", "x");
    std::filesystem::create_directory(folder.path() / "dir.car");
    // Only what opens as a file is listed: a link counts as what it names.
    ::mkfifo((folder.path() / "fifo.car").c_str(), 0600);
    std::filesystem::create_symlink(folder.path() / "b.car", folder.path() / "link.car");
    std::filesystem::create_symlink(folder.path() / "gone", folder.path() / "dangling.car");
    std::filesystem::create_symlink("/dev/null", folder.path() / "device.car");

    const std::vector<std::string> expected = {
        cp932(".car"),     cp932("a.CAR"),    cp932("b.car"),   cp932("B2.car"),
        cp932("link.car"), cp932("ソ表.car"), cp932("見積.car")};
    EXPECT_EQ(list_quote_files(folder.path()), expected);
}

TEST(list_quote_files, gives_nothing_for_a_missing_folder) {
    testing::scratch_folder folder;
    EXPECT_TRUE(list_quote_files(folder.path() / "missing").empty());
    EXPECT_TRUE(list_quote_files(folder.write("file", "x")).empty());
}

}  // namespace
}  // namespace carloan
