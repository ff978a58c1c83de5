#include "cli/quote_tool.h"

#include "cli/tool_output.h"
#include "tool_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace carloan {
namespace {

using nlohmann::json;

using testing::run;
using testing::tool_run;
using testing::with;

const std::vector<std::string_view> residual_example{
    "--rate", "4.2", "--payments", "60", "--balance", "1,906,500", "--residual", "957,000"};
const std::vector<std::string_view> priced{
    "--rate",         "4.2",     "--payments", "60",      "--vehicle-price", "3,000,000",
    "--accessories",  "20万",    "--expenses", "150,000", "--discount",      "100,000",
    "--down-payment", "500,000", "--trade-in", "300,000"};

TEST(residual_tool, prints_the_plan_with_its_final_payment) {
    const tool_run r = run(residual_example);
    EXPECT_EQ(r.status, exit_ok);
    EXPECT_EQ(r.out,
              "融資手数料               303,694\n"
              "融資額                 2,210,194\n"
              "１回目                    23,594\n"
              "２回目以降                21,200 ×   58 回\n"
              "ボーナス月加算 ＝              0 ×    0 回\n"
              "最終回（残価）           957,000\n");
}

TEST(residual_tool, json_and_batch_add_the_final_payment_residual_and_price_lines) {
    const tool_run single = run(with(priced, {"--residual", "45%", "--json"}));
    ASSERT_EQ(single.status, exit_ok) << single.err;
    const json quote = json::parse(single.out);
    EXPECT_EQ(quote["net_balance"], 2450000);
    EXPECT_EQ(quote["final_payment"], 1350000);  // 45 % of 3,000,000 yen
    EXPECT_EQ(quote["residual"], 1350000);
    EXPECT_EQ(quote["cash_price"], 3250000);
    EXPECT_EQ(quote["total_payment"], 800000 + quote["loan_amount"].get<int>());
    EXPECT_FALSE(quote.contains("comparison"));

    const tool_run batch =
        run({"--batch"},
            R"({"rate_text":"4.2","payment_count_text":"60","vehicle_price_text":"3,000,000",)"
            R"("accessories_text":"20万","expenses_text":"150,000","discount_text":"100,000",)"
            R"("down_payment_text":"500,000","trade_in_text":"300,000","residual_text":"45%"})");
    EXPECT_EQ(batch.out, single.out);

    // The price lines alone, with the ordinary plan.
    const json ordinary = json::parse(run(with(priced, {"--json"})).out);
    EXPECT_EQ(ordinary["net_balance"], 2450000);
    EXPECT_TRUE(ordinary.contains("comparison"));
    EXPECT_FALSE(ordinary.contains("final_payment"));
    EXPECT_EQ(ordinary["total_payment"], 800000 + ordinary["loan_amount"].get<int>());
}

TEST(residual_tool, refuses_with_the_message_or_as_bad_options) {
    struct row {
        std::vector<std::string_view> args;
        int status;
        std::string err;
    };
    const row rows[] = {
        {with(residual_example, {"--method", "total"}), exit_missing_input,
         "残価設定はボーナス月加算方式で計算します\n"},
        {{"--rate", "4.2", "--payments", "60", "--balance", "1,000,000", "--residual", "45%"},
         exit_missing_input,
         "車両本体価格が未入力です\n"},
        {with(priced, {"--discount", "-1"}), exit_missing_input, "値引きが範囲外です\n"},
        {with(priced, {"--balance", "1"}), exit_failure,
         "carloan-quote: the price lines make the net balance: --balance goes without them\n"
         "Try carloan-quote --help\n"},
        {with(residual_example, {"--schedule", "2024/5"}), exit_failure,
         "carloan-quote: --schedule lists the ordinary plan, not the residual-value plan\n"
         "Try carloan-quote --help\n"},
        {with(residual_example, {"--residual", "45.555%"}), exit_missing_input,
         "残価率が範囲外です\n"},
        {with(residual_example, {"--residual", "45%%"}), exit_failure,
         "carloan-quote: --residual takes an amount of yen, e.g. 957,000, or a percentage of "
         "--vehicle-price, e.g. 45%\nTry carloan-quote --help\n"},
    };
    for (const row& r : rows) {
        const tool_run result = run(r.args);
        EXPECT_EQ(result.status, r.status) << r.err;
        EXPECT_EQ(result.err, r.err);
    }
}

TEST(residual_tool, compares_each_count_as_a_residual_plan) {
    const tool_run r = run(
        {"--rate", "4.2", "--balance", "1,906,500", "--residual", "957,000", "--compare", "1,60"});
    EXPECT_EQ(r.status, exit_missing_input);
    EXPECT_NE(r.out.find("最終回（残価）                －       957,000\n"), std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("Ｓ１均等比較"), std::string::npos);
    EXPECT_EQ(r.err, "1回: 残価設定の支払回数は2から420で入力して下さい\n");
}

}  // namespace
}  // namespace carloan
