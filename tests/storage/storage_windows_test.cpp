// The Windows side of the file edges: where quotes and settings live on a branch desktop, the move
// of earlier quotes, atomic writes, and the quote list over the platform's wide file names.

#include "storage/atomic_file.h"
#include "storage/branch_settings_file.h"
#include "storage/earlier_quotes.h"
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

// Sets a variable while it lives; the old value comes back after.
struct environment_variable {
    const wchar_t* name;
    std::wstring old;
    environment_variable(const wchar_t* name, const std::wstring& value) : name(name) {
        old = _wgetenv(name) != nullptr ? _wgetenv(name) : L"";
        _wputenv_s(name, value.c_str());
    }
    ~environment_variable() { _wputenv_s(name, old.c_str()); }
};

TEST(windows_folders, keep_quotes_and_the_users_settings_in_the_roaming_profile) {
    const scratch folder;
    const environment_variable temporary(L"TMP", folder.path / L"temp");
    const environment_variable data(L"APPDATA", folder.path / L"roaming");
    EXPECT_EQ(earlier_quote_folder(), (folder.path / L"temp").wstring() + L"\\");
    EXPECT_EQ(quote_folder(), folder.path / L"roaming\\carloan\\quotes");
    EXPECT_TRUE(fs::is_directory(folder.path / L"roaming\\carloan\\quotes"));
    const fs::path own = folder.path / L"roaming\\carloan\\car.ini";
    EXPECT_EQ(own_branch_settings_file(), own);

    // A branch's car.ini in the working directory is read until the user has one of their own.
    const fs::path previous = fs::current_path();
    fs::current_path(folder.path);
    EXPECT_EQ(branch_settings_location(), own);
    folder.write("car.ini", "branch");
    EXPECT_EQ(branch_settings_location(), "car.ini");
    EXPECT_TRUE(store_branch_settings(branch_settings{}, own_branch_settings_file()));
    EXPECT_EQ(branch_settings_location(), own);
    EXPECT_EQ(fs::file_size(own), 491u);
    fs::current_path(previous);
}

TEST(windows_folders, move_earlier_quotes_out_of_the_temporary_folder_never_over_a_name) {
    const scratch folder;
    fs::create_directories(folder.path / L"temp");
    fs::create_directories(folder.path / L"quotes");
    folder.write(L"temp\\\x898B.car", "mine");
    folder.write(L"temp\\taken.CAR", "old");
    folder.write(L"temp\\other.tmp", "not a quote");
    folder.write(L"quotes\\TAKEN.car", "new");
    EXPECT_EQ(move_earlier_quotes(folder.path / L"temp", folder.path / L"quotes"),
              std::vector<fs::path>{folder.path / L"temp\\taken.CAR"});
    EXPECT_EQ(list_quote_files(folder.path / L"quotes"),
              (std::vector<std::string>{"TAKEN.car", "\x8C\xA9.car"}));
    EXPECT_TRUE(fs::exists(folder.path / L"temp\\taken.CAR"));
    EXPECT_TRUE(fs::exists(folder.path / L"temp\\other.tmp"));
    EXPECT_FALSE(fs::exists(folder.path / L"temp\\\x898B.car"));
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
