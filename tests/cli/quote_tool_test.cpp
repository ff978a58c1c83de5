#include "cli/quote_tool.h"

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

const std::vector<std::string_view> first_example{"--rate", "9.9",       "--payments",
                                                  "36",     "--balance", "1,000,000"};

TEST(run_tool, prints_a_quote_as_the_main_window_labels_it) {
    const tool_run r = run(first_example);
    EXPECT_EQ(r.status, exit_ok);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "融資手数料               159,900\n"
              "融資額                 1,159,900\n"
              "１回目                    32,900\n"
              "２回目以降                32,200 ×   35 回\n"
              "ボーナス月加算 ＝              0 ×    0 回\n"
              "Ｓ１均等比較：                 0\n");

    const tool_run total =
        run({"--rate", "9.9", "--payments", "60", "--balance", "2,000,000", "--bonus", "90,000",
             "--bonus-count", "10", "--deferment", "6", "--method", "total"});
    EXPECT_NE(total.out.find("ボーナス月返済 ＝         90,000 ×   10 回\n"), std::string::npos);
    EXPECT_NE(total.out.find("Ｓ１均等比較：             8,816\n"), std::string::npos);
}

TEST(run_tool, json_matches_the_batch_line_of_the_same_quote) {
    const tool_run single = run(with(first_example, {"--cycle", "2", "--json"}));
    EXPECT_EQ(single.status, exit_ok);
    const tool_run batch = run(
        {"--batch"},
        R"({"rate_text":"9.9","payment_count_text":"36","net_balance_text":"1,000,000","cycle_mode":2})");
    EXPECT_EQ(single.out, batch.out);
    EXPECT_EQ(json::parse(single.out)["comparison"], 4600);
}

TEST(run_tool, a_missing_or_out_of_range_input_gives_its_message_and_status_2) {
    const tool_run table = run({"--rate", "9.9", "--balance", "1,000,000"});
    EXPECT_EQ(table.status, exit_missing_input);
    EXPECT_EQ(table.out, "");
    EXPECT_EQ(table.err, "支払回数が未入力です\n");

    const tool_run as_json = run(with(first_example, {"--bonus", "50,000", "--json"}));
    EXPECT_EQ(as_json.status, exit_missing_input);
    EXPECT_EQ(json::parse(as_json.out), (json{{"message", "ボーナス回数が未入力です"}}));

    // Inputs and figures out of range stop the same way.
    const tool_run negative = run(with(
        first_example, {"--bonus=50,000", "--bonus-count", "10", "--deferment", "-2", "--json"}));
    EXPECT_EQ(negative.status, exit_missing_input);
    EXPECT_EQ(json::parse(negative.out), (json{{"message", "据置月数が範囲外です"}}));

    const tool_run too_large =
        run({"--rate", "9.9", "--payments", "36", "--balance", "3000000000"});
    EXPECT_EQ(too_large.status, exit_missing_input);
    EXPECT_EQ(too_large.out, "");
    EXPECT_EQ(too_large.err, "計算結果が範囲外です\n");
}

TEST(run_tool, reads_option_texts_as_the_form_would) {
    // Full-width digits are folded as the form folds them as they are typed.
    const tool_run full_width =
        run({"--rate", "9.9", "--payments", "36", "--balance", "１２３", "--json"});
    EXPECT_EQ(full_width.status, exit_ok);
    EXPECT_EQ(json::parse(full_width.out)["net_balance"], 123);

    const tool_run refused = run({"--rate", "9.9\xF0\x9F\x98\x80", "--payments", "36"});
    EXPECT_EQ(refused.status, exit_failure);
    EXPECT_EQ(refused.out, "");
    EXPECT_TRUE(
        refused.err.starts_with("carloan-quote: --rate takes a number, not 9.9\xF0\x9F\x98\x80\n"));
}

TEST(parse_options, refuses_what_it_cannot_use) {
    struct row {
        std::vector<std::string_view> args;
        const char* message;
    } rows[] = {
        {{"--rate"}, "--rate needs a value"},
        {{"9.9"}, "unknown option 9.9"},
        {{"--rates", "9.9"}, "unknown option --rates"},
        {{"--method", "sum"}, "--method takes addon or total"},
        {{"--cycle", "0"}, "--cycle takes 1 or 2"},
        {{"--json=yes"}, "--json takes no value"},
        {{"--batch", "--rate", "9.9"},
         "--batch takes its quotes from standard input, not from options"},
        {{"--cycle=2", "--batch"},
         "--batch takes its quotes from standard input, not from options"},
    };
    for (const row& r : rows) {
        const auto parsed = parse_options(r.args);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << r.message;
        EXPECT_EQ(std::get<std::string>(parsed), r.message);

        const tool_run refused = run(r.args);
        EXPECT_EQ(refused.status, exit_failure);
        EXPECT_TRUE(refused.err.starts_with(std::string("carloan-quote: ") + r.message + "\n"));
    }
}

// A number is taken as typed, full-width or not, or refused naming its option; a schedule's
// year outside the calendar is a schedule that cannot be listed.
TEST(run_tool, takes_numbers_wholly_or_not_at_all) {
    const std::vector<std::string_view> ascii_budget{"--budget", "30,000", "--solve", "balance"};
    const std::vector<std::string_view> may_2024{"--schedule", "2024/5", "--csv"};
    struct row {
        std::vector<std::string_view> more;  // after the first example's options
        int status;
        const char* err;                        // the start of standard error
        std::vector<std::string_view> same_as;  // options giving the same output, if any
    } rows[] = {
        {{"--balance", "１，０００，０００"}, exit_ok, "", {}},
        {{"--rate", "９．９"}, exit_ok, "", {}},
        {{"--payments", "　３６ "}, exit_ok, "", {}},
        {{"--budget", "３０，０００", "--solve", "balance"}, exit_ok, "", ascii_budget},
        {{"--schedule", "２０２４/５", "--csv"}, exit_ok, "", may_2024},
        {{"--balance", "１００万"}, exit_ok, "", {}},
        {{"--balance", "1.23456万"}, exit_failure, "carloan-quote: --balance takes a number", {}},
        {{"--balance", "abc"},
         exit_failure,
         "carloan-quote: --balance takes a number, not abc\n",
         {}},
        {{"--balance", "1e6"}, exit_failure, "carloan-quote: --balance takes a number", {}},
        {{"--balance", "1,000,000円"}, exit_failure, "carloan-quote: --balance takes a number", {}},
        {{"--rate", "9.9.9"}, exit_failure, "carloan-quote: --rate takes a number", {}},
        {{"--rate", "-9.9"}, exit_failure, "carloan-quote: --rate takes a number", {}},
        {{"--payments", "3,6"}, exit_failure, "carloan-quote: --payments takes a number", {}},
        {{"--budget", "30k", "--solve", "balance"},
         exit_failure,
         "carloan-quote: --budget takes an amount of yen",
         {}},
        {{"--schedule", "2024/5/6"}, exit_failure, "carloan-quote: --schedule takes", {}},
        {{"--schedule", "2024/5\x01"}, exit_failure, "carloan-quote: --schedule takes", {}},
        {{"--schedule", "2024/5", "--first-bonus", "2024/x"},
         exit_failure,
         "carloan-quote: --first-bonus takes",
         {}},
        {{"--schedule", "2147483647/12", "--csv"}, exit_schedule_refused, "年は1900から2100", {}},
        {{"--schedule", "-2147483648/1"}, exit_schedule_refused, "年は1900から2100", {}},
        {{"--schedule", "0/5"}, exit_schedule_refused, "年は1900から2100", {}},
        {{"--schedule", "-1/5"}, exit_schedule_refused, "年は1900から2100", {}},
        {{"--schedule", "99999999/5"}, exit_schedule_refused, "年は1900から2100", {}},
        {{"--schedule", "2101/1"}, exit_schedule_refused, "年は1900から2100", {}},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(std::string(r.more[0]) + " " + std::string(r.more[1]));
        std::vector<std::string_view> args = first_example;
        args.insert(args.end(), r.more.begin(), r.more.end());
        const tool_run quoted = run(args);
        EXPECT_EQ(quoted.status, r.status);
        EXPECT_TRUE(quoted.err.starts_with(r.err)) << quoted.err;
        if (r.status == exit_ok) {
            std::vector<std::string_view> same = first_example;
            same.insert(same.end(), r.same_as.begin(), r.same_as.end());
            EXPECT_EQ(quoted.out, run(same).out);
        }
    }
}

// Output to a full disk: every write fails from the first byte on.
class full_disk : public std::streambuf {
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

// A full disk or a closed pipe is said once, and the run fails.
TEST(run_tool, says_once_that_the_output_cannot_be_written) {
    std::string lines = R"({"rate_text":"9.9","payment_count_text":"36","net_balance_text":"1"})";
    lines += '\n';
    for (int i = 0; i < 50; ++i) {
        lines += "{\"x\"\n";
    }
    for (const char* option : {"--help", "--batch"}) {
        std::istringstream in(lines);
        full_disk disk;
        std::ostream out(&disk);
        std::ostringstream err;
        const std::vector<std::string_view> args{option};
        EXPECT_EQ(run_tool(args, in, out, err), exit_failure);
        EXPECT_EQ(err.str(), "carloan-quote: cannot write the output\n") << option;
    }
}

TEST(parse_options, help_lists_every_option) {
    const tool_run help = run({"--help"});
    EXPECT_EQ(help.status, exit_ok);
    for (const char* option :
         {"--rate", "--payments", "--balance", "--skip", "--bonus ", "--bonus-count", "--deferment",
          "--method", "--cycle", "--json", "--batch", "--help"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
}

}  // namespace
}  // namespace carloan
