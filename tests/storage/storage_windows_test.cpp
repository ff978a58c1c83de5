// The Windows side of the file edges: where quotes and settings live on a branch desktop, atomic
// writes, and the quote list over the platform's wide file names.

#include "storage/atomic_file.h"
#include "storage/branch_settings_file.h"
#include "storage/quote_file.h"
#include "storage/quote_folder.h"
#include "storage/regular_file.h"
#include "storage/user_folders.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace carloan {
namespace {

namespace fs = std::filesystem;

struct scratch {
    fs::path path =
        fs::temp_directory_path() / ("carloan-" + std::to_string(std::random_device{}()));
    scratch() { fs::create_directories(path); }
    ~scratch() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    void write(const fs::path& name, std::string_view bytes) const {
        std::ofstream(path / name, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
};

TEST(windows_folders, quotes_go_to_the_temporary_folder_and_settings_to_the_working_directory) {
    const scratch folder;
    const std::wstring old = _wgetenv(L"TMP") != nullptr ? _wgetenv(L"TMP") : L"";
    ASSERT_EQ(_wputenv_s(L"TMP", folder.path.c_str()), 0);
    EXPECT_EQ(quote_folder(), folder.path.wstring() + L"\\");
    _wputenv_s(L"TMP", old.c_str());

    const fs::path previous = fs::current_path();
    fs::current_path(folder.path);
    EXPECT_EQ(branch_settings_location(), "car.ini");
    branch_settings settings{};
    settings.branch_name[0] = 'X';
    EXPECT_TRUE(store_branch_settings(settings, branch_settings_location()));
    EXPECT_EQ(fs::file_size(folder.path / "car.ini"), 491u);
    fs::current_path(previous);
}

TEST(windows_files, are_replaced_whole_with_no_temporary_left_and_folders_are_not_read) {
    const scratch folder;
    folder.write("a.car", std::string(500, 'o'));
    const std::string bytes(300, 'n');
    ASSERT_TRUE(write_file_atomically(folder.path / "a.car", bytes));
    std::vector<fs::path> left;
    for (const auto& entry : fs::directory_iterator(folder.path)) {
        left.push_back(entry.path().filename());
    }
    EXPECT_EQ(left, std::vector<fs::path>{"a.car"});
    char into[400];
    const auto read = read_regular_file(folder.path / "a.car", into);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->file_size, 300u);
    EXPECT_EQ(std::string(into, read->bytes_read), bytes);
    fs::create_directory(folder.path / "d.car");
    EXPECT_FALSE(read_regular_file(folder.path / "d.car", into));

    // A quote file is the record byte for byte, as on Linux: no padding, no line-end translation.
    quote_record record;
    auto* record_bytes = reinterpret_cast<unsigned char*>(&record);
    for (std::size_t i = 0; i < sizeof record; ++i) {
        record_bytes[i] = static_cast<unsigned char>(i * 7 + 3);
    }
    ASSERT_TRUE(save_quote(folder.path / L"\x898B.car", record));
    std::ifstream saved(folder.path / L"\x898B.car", std::ios::binary);
    const std::string on_disk{std::istreambuf_iterator<char>(saved), {}};
    EXPECT_EQ(on_disk, std::string(reinterpret_cast<const char*>(&record), sizeof record));
    EXPECT_FALSE(write_file_atomically(folder.path / "missing" / "b.car", bytes));
}

TEST(windows_quote_list, holds_code_page_932_names_sorted_without_regard_to_case) {
    const scratch folder;
    for (const wchar_t* name : {L"b.car", L"A.CAR", L"\xFF21.car", L"\xFF42.car", L"\x898B.car",
                                L"x.txt", L"\x00E9.car"}) {
        std::ofstream(folder.path / name).put('x');
    }
    fs::create_directory(folder.path / "d.car");
    // é has no code page 932 form; ｂ sorts after Ａ as ｂ after ａ.
    const std::vector<std::string> expected = {"A.CAR", "b.car", "\x8C\xA9.car", "\x82\x60.car",
                                               "\x82\x82.car"};
    EXPECT_EQ(list_quote_files(folder.path), expected);
    EXPECT_EQ(quote_file_path(folder.path, "\x8C\xA9.car"), folder.path / L"\x898B.car");
}

}  // namespace
}  // namespace carloan
