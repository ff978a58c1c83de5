#include "storage/user_folders.h"
#include "storage/branch_settings_file.h"

#include "quote_test_folder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace carloan {
namespace {

namespace fs = std::filesystem;

TEST(user_folders, follow_the_desktop_variables_and_read_a_branch_car_ini_until_the_user_has_one) {
    testing::scratch_folder scratch;
    const fs::path home = scratch.path() / "home";
    const std::string data = (scratch.path() / "data").string();
    const std::string config = (scratch.path() / "config").string();
    testing::environment_variable home_variable("HOME", home.string());
    const fs::path previous = fs::current_path();

    struct row {
        std::optional<std::string> data_home, config_home;  // nothing: unset
        bool car_ini_here, own_there;
        fs::path quotes, own, settings;
    } rows[] = {
        {data, config, false, false, data + "/carloan/quotes", config + "/carloan/car.ini",
         config + "/carloan/car.ini"},
        {data, config, true, false, data + "/carloan/quotes", config + "/carloan/car.ini",
         "car.ini"},
        {data, config, true, true, data + "/carloan/quotes", config + "/carloan/car.ini",
         config + "/carloan/car.ini"},
        {std::nullopt, std::nullopt, false, false, home / ".local/share/carloan/quotes",
         home / ".config/carloan/car.ini", home / ".config/carloan/car.ini"},
        {"", "", true, false, home / ".local/share/carloan/quotes",
         home / ".config/carloan/car.ini", "car.ini"},
        // A relative path in these variables is to be ignored.
        {"d", "c", false, false, home / ".local/share/carloan/quotes",
         home / ".config/carloan/car.ini", home / ".config/carloan/car.ini"},
    };
    for (const row& r : rows) {
        testing::scratch_folder working;
        fs::current_path(working.path());
        if (r.car_ini_here) {
            working.write("car.ini", "");
        }
        testing::environment_variable data_home("XDG_DATA_HOME", r.data_home);
        testing::environment_variable config_home("XDG_CONFIG_HOME", r.config_home);
        if (r.own_there) {
            ASSERT_TRUE(store_branch_settings(branch_settings{}, r.own));
        }
        EXPECT_EQ(quote_folder(), r.quotes);
        EXPECT_EQ(earlier_quote_folder(), fs::path());
        EXPECT_EQ(own_branch_settings_file(), r.own);
        EXPECT_EQ(branch_settings_location(), r.settings);
        fs::remove(r.own);
        fs::current_path(previous);
    }
}

TEST(user_folders, are_made_private_on_first_use_and_keep_the_mode_they_had) {
    testing::scratch_folder scratch;
    const fs::path existing = scratch.path() / "existing";
    fs::create_directory(existing);
    ::chmod(existing.c_str(), 0755);
    testing::environment_variable data_home("XDG_DATA_HOME", (existing / "data").string());
    const mode_t old_mask = ::umask(0);
    const fs::path quotes = quote_folder();
    ASSERT_TRUE(store_branch_settings(branch_settings{}, existing / "config/carloan/car.ini"));
    ::umask(old_mask);

    for (const fs::path& made : {existing / "data", existing / "data/carloan", quotes,
                                 existing / "config", existing / "config/carloan"}) {
        EXPECT_EQ(testing::mode_of(made), 0700u) << made;
    }
    EXPECT_EQ(testing::mode_of(existing), 0755u);

    ::testing::internal::CaptureStderr();
    quote_folder();
    ::chmod(quotes.c_str(), 0750);
    quote_folder();
    quote_folder();
    const std::string warnings = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(warnings, "carloan: the quote folder " + quotes.string() +
                            " is open to other users; quotes saved there are not private\n");
}

}  // namespace
}  // namespace carloan
