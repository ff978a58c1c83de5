#include "cli/quote_json.h"
#include "tool_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace carloan {
namespace {

using nlohmann::json;
using testing::run;
using testing::tool_run;
using testing::with;

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Each line is exactly what the single quote with that --payments prints.
TEST(compare_option, json_lines_are_the_single_quotes_of_each_count) {
    const std::vector<std::vector<std::string_view>> quotes = {
        {"--rate", "9.9", "--balance", "1,000,000"},
        {"--rate", "9.9", "--balance", "2,000,000", "--skip", "1", "--bonus", "90,000",
         "--bonus-count", "10", "--deferment", "6", "--method", "total", "--cycle", "2"},
    };
    for (const auto& quote : quotes) {
        const tool_run compared = run(with(quote, {"--compare", "1,12,60,420", "--json"}));
        const std::vector<std::string> lines = lines_of(compared.out);
        ASSERT_EQ(lines.size(), 4u) << compared.err;
        int refused = 0;
        const char* counts[] = {"1", "12", "60", "420"};
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const tool_run single = run(with(quote, {"--payments", counts[i], "--json"}));
            EXPECT_EQ(lines[i] + "\n", single.out) << counts[i];
            refused += single.status != exit_ok;
        }
        EXPECT_EQ(compared.status, refused ? exit_missing_input : exit_ok);
    }
}

TEST(compare_option, prints_the_table_or_says_why_not) {
    const tool_run table = run({"--rate", "9.9", "--balance", "1,000,000", "--compare", "12,36"});
    EXPECT_EQ(table.status, exit_ok);
    EXPECT_EQ(lines_of(table.out).at(0), "返済回数                    12回          36回");
    EXPECT_EQ(lines_of(table.out).at(4), "２回目以降          87,800×11回  32,200×35回");

    const tool_run missing = run({"--balance", "1,000,000", "--compare", "12,36"});
    EXPECT_EQ(missing.status, exit_missing_input);
    EXPECT_EQ(missing.err, "実質年率が未入力です\n");

    const tool_run bad = run({"--rate", "9.9", "--balance", "1", "--compare", "12,0"});
    EXPECT_EQ(bad.status, exit_failure);
    EXPECT_EQ(bad.err, "carloan-quote: --compare: 返済回数は1から420で入力して下さい\n");
}

TEST(solve_option, finds_the_quote_the_single_options_give) {
    const std::vector<std::string_view> quote{"--rate",    "9.9",       "--payments", "36",
                                              "--balance", "1,000,000", "--json"};
    const tool_run balance = run(with(quote, {"--budget", "30,000", "--solve", "balance"}));
    ASSERT_EQ(balance.status, exit_ok) << balance.err;
    const std::string found_balance = json::parse(balance.out)["net_balance"].dump();
    EXPECT_EQ(balance.out,
              run({"--rate", "9.9", "--payments", "36", "--balance", found_balance, "--json"}).out);

    const tool_run payments = run(with(quote, {"--budget", "30000", "--solve", "payments"}));
    ASSERT_EQ(payments.status, exit_ok) << payments.err;
    const std::string found_count = json::parse(payments.out)["payment_count"].dump();
    EXPECT_EQ(
        payments.out,
        run({"--rate", "9.9", "--payments", found_count, "--balance", "1,000,000", "--json"}).out);

    const tool_run table = run({"--rate", "9.9", "--payments", "36", "--balance", "1", "--budget",
                                "30000", "--solve", "balance"});
    EXPECT_TRUE(
        table.out.starts_with("差引残高                 934,218\n"
                              "返済回数                      36\n"
                              "融資手数料               149,381\n"))
        << table.out;
}

TEST(solve_option, says_why_there_is_no_answer) {
    const struct {
        std::vector<std::string_view> args;
        int status;
        const char* err;
    } cases[] = {
        {{"--rate", "9.9", "--payments", "36", "--balance", "1,000,000", "--budget", "50",
          "--solve", "payments"},
         exit_missing_input,
         "予算内に収まる条件がありません\n"},
        {{"--rate", "9.9", "--payments", "36", "--balance", "1,000,000", "--bonus", "50000",
          "--bonus-count", "10", "--deferment", "6", "--budget", "30000", "--solve", "balance"},
         exit_missing_input,
         "ボーナス回数が返済回数に収まりません\n"},
        {{"--rate", "9.9", "--balance", "1", "--budget", "30000", "--solve", "balance"},
         exit_missing_input,
         "支払回数が未入力です\n"},
        {{"--rate", "9.9", "--payments", "36", "--balance", "1", "--budget", "0", "--solve",
          "balance"},
         exit_missing_input,
         "月々の予算が範囲外です\n"},
        {{"--rate", "9.9", "--payments", "36", "--balance", "1", "--budget", "1"},
         exit_failure,
         "carloan-quote: --budget and --solve go together\n"},
        {{"--compare", "12", "--solve", "balance", "--budget", "1"},
         exit_failure,
         "carloan-quote: --compare and --solve cannot be used together\n"},
    };
    for (const auto& c : cases) {
        const tool_run r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.err;
        EXPECT_TRUE(r.err.starts_with(c.err)) << r.err;
        EXPECT_EQ(r.out, "");
    }
    const tool_run as_json = run({"--rate", "9.9", "--payments", "36", "--balance", "1,000,000",
                                  "--budget", "50", "--solve", "payments", "--json"});
    EXPECT_EQ(json::parse(as_json.out), (json{{"message", "予算内に収まる条件がありません"}}));
}

}  // namespace
}  // namespace carloan
