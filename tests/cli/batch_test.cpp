// The batch against input that is not a quote: every line answered, in order, whatever it holds.

#include "cli/batch.h"
#include "cli/quote_line.h"
#include "cli/tool_output.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace carloan {
namespace {

using nlohmann::json;

const std::string good =
    R"({"rate_text":"9.9","payment_count_text":"36","net_balance_text":"1,000,000"})";

std::string long_line(std::size_t bytes) {
    std::string line = R"({"rate_text":")";
    line += std::string(bytes - line.size() - 2, 'a');
    return line + "\"}";
}

// What each output line says: its loan fee, its message, or its error.
std::vector<std::string> answers(const std::string& out) {
    std::vector<std::string> said;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const json parsed = json::parse(line);
        said.push_back(parsed.contains("loan_fee")  ? std::to_string(parsed["loan_fee"].get<int>())
                       : parsed.contains("message") ? parsed["message"].get<std::string>()
                                                    : parsed["error"].get<std::string>());
    }
    return said;
}

TEST(batch, no_line_ends_the_run_or_loses_the_others) {
    struct row {
        std::string line;
        std::string answer;
    };
    const std::vector<row> rows = {
        {good, "159900"},
        {R"({"x":1e400})", "not valid JSON (a number out of range)"},
        {R"({"bonus_method":-1e400})", "not valid JSON (a number out of range)"},
        {std::string(100, '[') + std::string(100, ']'),
         "not valid JSON (nested deeper than 64 levels)"},
        {R"({"rate_text":"\u0000","payment_count_text":"36"})", "実質年率が未入力です"},
        {"{\"rate_text\":\"9\xFF\"}", "not valid JSON (at byte 16)"},
        {std::string("{\"rate_text\":\"9\0\"}", 18), "not valid JSON (at byte 16)"},
        {long_line(longest_batch_line + 1), "longer than 65536 bytes"},
        {long_line(longest_batch_line), "支払回数が未入力です"},
        {"\xEF\xBB\xBF" + good, "159900"},
        {R"( { "rate_text" : "1" , "rate_text":"9.9" ,"payment_count_text":"36",)"
         "\t\"net_balance_text\":\"1000000\"}\r",
         "159900"},
        {R"({"rate_text":"9.9","payment_count_text":"36","net_balance_text":"1,000,000",)"
         R"("cycle_mode":2,"bonus_method":-0})",
         "164500"},
        {R"({"cycle_mode":2147483648})", "\"cycle_mode\" must be a 32-bit integer"},
        {R"({"cycle_mode":02})", "not valid JSON (at byte 16)"},
    };
    std::string input;
    std::vector<std::string> expected;
    for (const row& r : rows) {
        input += r.line + "\n";
        expected.push_back(r.answer);
    }
    // Enough lines to span several blocks, then the table again; the last line has no line end.
    for (int i = 0; i < 3000; ++i) {
        input += good + "\n";
        expected.push_back("159900");
    }
    for (const row& r : rows) {
        input += r.line + "\n";
        expected.push_back(r.answer);
    }
    input += long_line(3 * longest_batch_line);
    expected.push_back("longer than 65536 bytes");

    for (const unsigned workers : {0u, 3u}) {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(run_batch(in, out, err, workers), exit_failure);
        std::vector<std::string> said = answers(out.str());
        ASSERT_EQ(said.size(), expected.size());
        for (std::size_t i = 0; i < said.size(); ++i) {
            const std::string prefix = "line " + std::to_string(i + 1) + ": ";
            if (said[i].starts_with(prefix)) {
                said[i].erase(0, prefix.size());
            }
            EXPECT_EQ(said[i], expected[i]) << "line " << i + 1 << ", " << workers << " workers";
        }
        const std::string second_number_line = std::to_string(rows.size() + 3000 + 2);
        EXPECT_NE(err.str().find("line " + second_number_line + ": not valid JSON (a number"),
                  std::string::npos);
    }
}

TEST(read_plain_quote_line, reads_what_the_json_parser_reads_or_declines) {
    const char* const lines[] = {
        R"({})",
        R"({"rate_text":"a\"b\\c\/d\be\ff\ng\rh\ti"})",
        R"({"rate_text":"ab\u0063"})",
        R"({"net_balance_text":"１２３","rate_text":"ｱｲｳ"})",
        R"({"net_balance_text":"ああああああああああああああああ"})",
        R"({"rate_text":"0123456789012345678901234567890123456789"})",
        R"({"rate_text":"\ud83d\ude00"})",
        "{\"rate_text\":\"\xC0\xB1\"}",
        "{\"rate_text\":\"\xED\xA0\x80\"}",
        "{\"rate_text\":\"\xEF\xBF\xBF\"}",
        R"({"cycle_mode":-2147483648,"bonus_method":2147483647})",
        R"({"cycle_mode":-})",
        R"({"cycle_mode":1.5})",
        R"({"cycle_mode":1e1})",
        R"({"cycle_mode":12345678901})",
        R"({"cycle_mode":"1"})",
        R"({"rate_text":1,"rate_text":"2"})",
        R"({"rate_text":"1","rate_text":2})",
        R"({"rate_text":"1",})",
        R"({"rate_text":"1"} x)",
        R"({"rate":"1"})",
    };
    for (const char* line : lines) {
        quote_request plain;
        const bool taken = read_plain_quote_line(line, plain);
        const auto full = parse_json_quote_line(line);
        if (taken) {
            ASSERT_TRUE(std::holds_alternative<quote_request>(full)) << line;
            EXPECT_EQ(plain.inputs, std::get<quote_request>(full).inputs) << line;
            EXPECT_EQ(plain.flags.bonus_method, std::get<quote_request>(full).flags.bonus_method);
            EXPECT_EQ(plain.flags.cycle_mode, std::get<quote_request>(full).flags.cycle_mode);
        }
    }
    quote_request plain;
    EXPECT_TRUE(read_plain_quote_line(good, plain));
}

}  // namespace
}  // namespace carloan
