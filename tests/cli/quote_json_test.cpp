#include "cli/batch.h"
#include "cli/quote_line.h"
#include "cli/tool_output.h"

#include "calc/worked_examples.h"
#include "text/cp932.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace carloan {
namespace {

using nlohmann::json;
using namespace carloan::test_data;

struct batch_run {
    int status;
    std::vector<std::string> lines;
    std::string err;
};

batch_run run(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    batch_run result{run_batch(in, out, err), {}, err.str()};
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        result.lines.push_back(line);
    }
    return result;
}

std::string input_line(const calc_inputs& in, const current_flags& flags) {
    return json{{"rate_text", in.rate_text},
                {"payment_count_text", in.payment_count_text},
                {"net_balance_text", in.net_balance_text},
                {"skip_months_text", in.skip_months_text},
                {"bonus_addition_text", in.bonus_addition_text},
                {"bonus_count_text", in.bonus_count_text},
                {"deferment_text", in.deferment_text},
                {"bonus_method", flags.bonus_method},
                {"cycle_mode", flags.cycle_mode}}
        .dump();
}

const quote_request& request_of(const std::variant<quote_request, std::string>& parsed) {
    static const quote_request none;
    EXPECT_TRUE(std::holds_alternative<quote_request>(parsed))
        << std::get_if<std::string>(&parsed)->c_str();
    const auto* request = std::get_if<quote_request>(&parsed);
    return request != nullptr ? *request : none;
}

TEST(batch, reproduces_the_worked_examples_in_order) {
    std::string input;
    for (const worked_example& example : worked_examples) {
        input += input_line(example.inputs, example.flags) + "\n";
    }
    const batch_run batch = run(input);
    EXPECT_EQ(batch.status, exit_ok);
    EXPECT_EQ(batch.err, "");
    ASSERT_EQ(batch.lines.size(), std::size(worked_examples));
    for (std::size_t i = 0; i < batch.lines.size(); ++i) {
        const worked_example& example = worked_examples[i];
        SCOPED_TRACE(example.name);
        const json out = json::parse(batch.lines[i]);
        EXPECT_EQ(out["loan_fee"], example.loan_fee);
        EXPECT_EQ(out["loan_amount"], example.loan_amount);
        EXPECT_EQ(out["first_payment"], example.first_payment);
        EXPECT_EQ(out["later_payment"], example.later_payment);
        EXPECT_EQ(out["later_count"], example.later_count);
        EXPECT_EQ(out["bonus_payment"], example.bonus_payment);
        EXPECT_EQ(out["bonus_count"], example.bonus_count);
        EXPECT_EQ(out["comparison"], example.comparison);
        EXPECT_EQ(out.size(), 20u);
    }
    const json first = json::parse(batch.lines[0]);
    EXPECT_EQ(first["loan_fee_text"], "       159,900");
    EXPECT_EQ(first["later_count_text"], "   35");
    EXPECT_EQ(first["comparison_text"], "       0");
    EXPECT_EQ(first["rate_text"], "9.9");
    EXPECT_EQ(first["net_balance"], 1000000);
    EXPECT_EQ(first["payment_count"], 36);
    EXPECT_EQ(first["deferment_months"], 0);
}

TEST(batch, answers_every_line_and_reports_the_malformed_ones) {
    const batch_run batch = run(
        "{\"rate_text\":\"9.9\",\"payment_count_text\":\"36\",\"net_balance_text\":\"1,000,000\"}\n"
        "{\"rate_text\": \"9.9\", oops}\n"
        "{\"rate_text\":\"9.9\",\"payment_count_text\":\"36\"}\n"
        "\n"
        "[1, 2]\n"
        "{\"rate_text\":\"9.9\",\"payment_count_text\":\"12\",\"net_balance_text\":\"120000\"}");
    EXPECT_EQ(batch.status, exit_failure);
    ASSERT_EQ(batch.lines.size(), 6u);
    EXPECT_EQ(json::parse(batch.lines[0])["loan_fee"], 159900);
    EXPECT_EQ(json::parse(batch.lines[1]),
              (json{{"error", "line 2: not valid JSON (at byte 22)"}}));
    // A missing input is the calculation's answer, not a failure of the line.
    EXPECT_EQ(json::parse(batch.lines[2]), (json{{"message", "差引残高が未入力です"}}));
    EXPECT_EQ(json::parse(batch.lines[3])["error"], "line 4: not valid JSON (at byte 1)");
    EXPECT_EQ(json::parse(batch.lines[4])["error"], "line 5: not a JSON object");
    EXPECT_EQ(json::parse(batch.lines[5])["net_balance"], 120000);
    EXPECT_EQ(batch.err,
              "carloan-quote: line 2: not valid JSON (at byte 22)\n"
              "carloan-quote: line 4: not valid JSON (at byte 1)\n"
              "carloan-quote: line 5: not a JSON object\n");
}

TEST(batch, missing_inputs_alone_do_not_fail_the_batch) {
    const batch_run batch = run("{}\n{\"rate_text\":\"9.9\"}\r\n");
    EXPECT_EQ(batch.status, exit_ok);
    ASSERT_EQ(batch.lines.size(), 2u);
    EXPECT_EQ(json::parse(batch.lines[0])["message"], "実質年率が未入力です");
    EXPECT_EQ(json::parse(batch.lines[1])["message"], "支払回数が未入力です");
}

TEST(batch, an_output_that_cannot_be_written_fails) {
    std::istringstream in("{}\n");
    std::ostream out(nullptr);
    std::ostringstream err;
    EXPECT_EQ(run_batch(in, out, err), exit_failure);
    EXPECT_NE(err.str().find("cannot write"), std::string::npos);
}

TEST(parse_quote_line, refuses_what_it_cannot_quote) {
    struct row {
        const char* line;
        const char* message;
    } rows[] = {
        {"", "not valid JSON (at byte 1)"},
        {"{\"rate_text\":\"9.9\"", "not valid JSON (at byte 19)"},
        {"{\"rate_text\":\"\xFF\"}", "not valid JSON (at byte 15)"},
        {"\"9.9\"", "not a JSON object"},
        {"{\"rate_text\":9.9}", "\"rate_text\" must be a string"},
        {"{\"deferment_text\":null}", "\"deferment_text\" must be a string"},
        {"{\"cycle_mode\":\"2\"}", "\"cycle_mode\" must be an integer"},
        {"{\"bonus_method\":1.0}", "\"bonus_method\" must be an integer"},
        {"{\"bonus_method\":4294967297}", "\"bonus_method\" must be a 32-bit integer"},
        {"{\"cycle_mode\":-2147483649}", "\"cycle_mode\" must be a 32-bit integer"},
        {"{\"rate\":\"9.9\"}", "unknown key \"rate\""},
        {"{\"rate_text\":\"9.9\\ud83d\\ude00\"}",
         "\"rate_text\" holds a character that code page 932 cannot hold"},
        {"{\"net_balance_text\":\"caf\\u00e9\"}",
         "\"net_balance_text\" holds a character that code page 932 cannot hold"},
    };
    for (const row& r : rows) {
        const auto parsed = parse_quote_line(r.line);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << r.line;
        EXPECT_EQ(std::get<std::string>(parsed), r.message) << r.line;
    }
}

TEST(parse_quote_line, reads_texts_as_the_form_holds_them) {
    const quote_request defaults = request_of(parse_quote_line("{}"));
    EXPECT_EQ(defaults.inputs, calc_inputs{});
    EXPECT_EQ(defaults.flags.bonus_method, 0);
    EXPECT_EQ(defaults.flags.cycle_mode, 1);

    const quote_request flags =
        request_of(parse_quote_line(R"({"bonus_method": 1, "cycle_mode": -7})"));
    EXPECT_EQ(flags.flags.bonus_method, 1);
    EXPECT_EQ(flags.flags.cycle_mode, -7);

    struct row {
        std::string typed;  // UTF-8
        std::string held;   // code page 932
    } rows[] = {
        {"１２３", "\x82\x50\x82\x51\x82\x52"},
        {std::string(40, '9'), std::string(29, '9')},
        // 29 bytes would end inside the fifteenth double-byte character.
        {"ああああああああああああああああ", *utf8_to_cp932("あああああああああああああ"
                                                            "あ")},
        {"aああああああああああああああああ", "a" + *utf8_to_cp932("ああああああああああああああ")},
        {"ｱｲｳ", "\xB1\xB2\xB3"},
    };
    for (const row& r : rows) {
        const quote_request request =
            request_of(parse_quote_line(json{{"net_balance_text", r.typed}}.dump()));
        EXPECT_EQ(request.inputs.net_balance_text, r.held) << r.typed;
        EXPECT_LE(request.inputs.net_balance_text.size(), input_read_limit);
    }
    // A field read ends at a zero character, as the form's text would.
    EXPECT_EQ(request_of(parse_quote_line(R"({"rate_text": "9.9\u0000x"})")).inputs.rate_text,
              "9.9");
}

TEST(batch, full_width_digits_read_as_no_digits) {
    const batch_run batch =
        run(json{{"rate_text", "9.9"}, {"payment_count_text", "36"}, {"net_balance_text", "１２３"}}
                .dump());
    ASSERT_EQ(batch.lines.size(), 1u);
    const json out = json::parse(batch.lines[0]);
    EXPECT_EQ(out["net_balance"], 0);
    EXPECT_EQ(out["loan_fee"], 0);
    EXPECT_EQ(out["loan_amount"], 0);
}

TEST(batch, output_texts_are_escaped_json) {
    // The rate text comes back as typed, whatever characters it holds.
    const batch_run batch = run(input_line({"９．９％", "36", "1,000,000"}, add_on) + "\n" +
                                input_line({"9\"\\\t", "36", "1,000,000"}, add_on) + "\n");
    ASSERT_EQ(batch.lines.size(), 2u);
    EXPECT_EQ(json::parse(batch.lines[0])["rate_text"], "９．９％");
    EXPECT_EQ(json::parse(batch.lines[1])["rate_text"], "9\"\\\t");
    EXPECT_EQ(batch.lines[1].find('\t'), std::string::npos);
}

}  // namespace
}  // namespace carloan
