// carloan-quote --schedule: the listing after the quote, its JSON and CSV forms, and its messages.

#include "cli/quote_json.h"
#include "cli/quote_tool.h"
#include "csv_reader.h"
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

// 60 payments from April 2024 under the total method, ten bonuses from September 2024.
const std::vector<std::string_view> bonus_quote{
    "--rate",        "9.9", "--payments",  "60", "--balance", "2,000,000", "--bonus",    "90,000",
    "--bonus-count", "10",  "--deferment", "6",  "--method",  "total",     "--schedule", "2024/4"};

TEST(schedule_option, lists_the_payments_after_the_quote) {
    const tool_run r = run(
        {"--rate", "9.9", "--payments", "36", "--balance", "1,000,000", "--schedule", "2024/5"});
    EXPECT_EQ(r.status, exit_ok);
    EXPECT_EQ(r.err, "");
    const auto listing = r.out.find("\n\n");
    ASSERT_NE(listing, std::string::npos);
    std::vector<std::string> lines;
    std::istringstream rest(r.out.substr(listing + 2));
    for (std::string line; std::getline(rest, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines.front(), "  1   2024/05         32,900     1,127,000");
    EXPECT_EQ(lines.back(), " 36   2027/04         32,200             0");
}

TEST(schedule_option, json_holds_the_rows_and_the_lines) {
    const tool_run r =
        run(with(bonus_quote, {"--first-bonus", "2024/9", "--bonus-months", "9,3", "--json"}));
    EXPECT_EQ(r.status, exit_ok);
    const json quote = json::parse(r.out);
    ASSERT_EQ(quote["schedule"].size(), 60u);
    ASSERT_EQ(quote["listing"].size(), 60u);
    EXPECT_EQ(quote["schedule"][5], (json{{"year", 2024},
                                          {"month", 9},
                                          {"regular_payment", 0},
                                          {"bonus_part", 90000},
                                          {"balance", 2295000}}));
    EXPECT_EQ(quote["schedule"][59]["balance"], 0);
    EXPECT_EQ(quote["listing"][5], "  6   2024/09         90,000     2,295,000");
}

TEST(schedule_option, csv_holds_the_rows_alone) {
    const auto args = with(bonus_quote, {"--first-bonus", "2024/9", "--bonus-months", "9,3"});
    const tool_run r = run(with(args, {"--csv"}));
    EXPECT_EQ(r.status, exit_ok);
    const auto read = testing::read_schedule_csv(r.out);
    ASSERT_EQ(read.size(), 60u);
    const json rows = json::parse(run(with(args, {"--json"})).out)["schedule"];
    EXPECT_EQ(read[5], (testing::csv_payment{6, 2024, 9, 90000, 90000, rows[5]["balance"]}));
}

struct refusal_case {
    const char* name;
    std::vector<std::string_view> args;
    int status;
    const char* message;  // on standard error, or "schedule_message" with --json
};

TEST(schedule_option, says_why_it_cannot_list) {
    const refusal_case cases[] = {
        {"bonus months missing", with(bonus_quote, {"--first-bonus", "2024/9"}),
         exit_schedule_refused, "ボーナス月１が未入力です"},
        {"start month missing", with(bonus_quote, {"--schedule", "2024/"}), exit_schedule_refused,
         "返済開始月が未入力です"},
        {"start month 0", with(bonus_quote, {"--schedule", "2016/0"}), exit_schedule_refused,
         "月は1から12で入力して下さい"},
        {"bonus count", with(bonus_quote, {"--first-bonus", "2024/9", "--bonus-months", "9,9"}),
         exit_schedule_refused, "ボーナス回数は(5)回です。指定した回数(10)と異なります"},
        {"deferment", with(bonus_quote, {"--first-bonus", "2024/3", "--bonus-months", "9,3"}),
         exit_schedule_refused, "ボーナス据置月数は(0)ヶ月です。指定した月数(6)と異なります"},
        {"too many payments",
         {"--rate", "9.9", "--payments", "421", "--balance", "1,000,000", "--schedule", "2024/5"},
         exit_schedule_refused,
         "返済回数が420回を超えるため明細を展開できません"},
        // A quote that stops on a missing input has nothing to lay out.
        {"quote incomplete",
         {"--payments", "36", "--balance", "1,000,000", "--schedule", "2024/5"},
         exit_missing_input,
         "実質年率が未入力です"},
    };
    for (const refusal_case& c : cases) {
        SCOPED_TRACE(c.name);
        const tool_run text = run(c.args);
        EXPECT_EQ(text.status, c.status);
        EXPECT_EQ(text.err, std::string(c.message) + "\n");
        EXPECT_EQ(text.out.find("\n\n"), std::string::npos);  // no listing

        const tool_run as_csv = run(with(c.args, {"--csv"}));
        EXPECT_EQ(as_csv.status, c.status);
        EXPECT_EQ(as_csv.err, text.err);
        EXPECT_EQ(as_csv.out, "");

        const tool_run as_json = run(with(c.args, {"--json"}));
        EXPECT_EQ(as_json.status, c.status);
        const json quote = json::parse(as_json.out);
        EXPECT_FALSE(quote.contains("schedule"));
        EXPECT_EQ(quote.value("schedule_message", quote.value("message", "")), c.message);
    }
}

TEST(schedule_option, refuses_what_it_cannot_use) {
    for (const std::vector<std::string_view>& args : std::vector<std::vector<std::string_view>>{
             with(bonus_quote, {"--schedule", "2024"}),
             with(bonus_quote, {"--first-bonus", "2024-9"}),
             with(bonus_quote, {"--bonus-months", "9"}),
             {"--rate", "9.9", "--payments", "36", "--balance", "1", "--first-bonus", "2024/9"},
             {"--batch", "--schedule", "2024/5"},
             {"--rate", "9.9", "--payments", "36", "--balance", "1", "--csv"},
             with(bonus_quote, {"--csv", "--json"}),
         }) {
        const tool_run r = run(args);
        EXPECT_EQ(r.status, exit_failure) << args.back();
        EXPECT_EQ(r.out, "");
    }
}

}  // namespace
}  // namespace carloan
