// carloan-quote as a process: what scripts see of it, exit status included.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct process_run {
    int status;
    std::string out;
    std::string err;
};

std::string slurp(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class quote_process : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() /
                  ("carloan-quote-" + std::string(test->name()) + "-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    process_run run(const std::string& args, const std::string& input = "") {
        std::ofstream(folder_ / "in", std::ios::binary) << input;
        const std::string command = std::string("'") + CARLOAN_QUOTE_PATH + "' " + args + " <'" +
                                    (folder_ / "in").string() + "' >'" +
                                    (folder_ / "out").string() + "' 2>'" +
                                    (folder_ / "err").string() + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(folder_ / "out"),
                slurp(folder_ / "err")};
    }

    fs::path folder_;
};

TEST_F(quote_process, quotes_from_options_and_tells_missing_input_from_bad_use) {
    const process_run table = run("--rate 9.9 --payments 36 --balance 1,000,000");
    EXPECT_EQ(table.status, 0);
    EXPECT_TRUE(table.out.starts_with("融資手数料               159,900\n")) << table.out;

    const process_run quote =
        run("--rate 9.9 --payments 60 --balance 2,000,000 --bonus 50,000 --bonus-count 10 "
            "--deferment 6 --json");
    EXPECT_EQ(quote.status, 0);
    EXPECT_EQ(json::parse(quote.out)["loan_fee"], 551541);

    const process_run missing = run("--payments 36 --balance 1,000,000");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "実質年率が未入力です\n");

    EXPECT_EQ(run("--rate").status, 1);
    EXPECT_EQ(run("--help").status, 0);
}

TEST_F(quote_process, batch_goes_on_past_a_malformed_line) {
    const process_run batch = run("--batch",
                                  "{\"rate_text\":\"9.9\",\"payment_count_text\":\"36\","
                                  "\"net_balance_text\":\"1,000,000\",\"cycle_mode\":2}\n"
                                  "not json\n"
                                  "{}\n");
    EXPECT_EQ(batch.status, 1);
    EXPECT_EQ(batch.err, "carloan-quote: line 2: not valid JSON (at byte 2)\n");
    std::istringstream lines(batch.out);
    std::string line;
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(json::parse(line)["loan_fee"], 164500);
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_TRUE(json::parse(line).contains("error"));
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(json::parse(line)["message"], "実質年率が未入力です");
    EXPECT_FALSE(std::getline(lines, line));
}

}  // namespace
