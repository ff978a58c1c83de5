#include "print/residual_page.h"

#include "calc/residual_plan.h"
#include "print/estimate_page.h"
#include "text/cp932.h"

#include <utility>

namespace carloan {
namespace {

constexpr int label_x = 500;
constexpr int value_x = 1900;

std::string row_label(std::string_view utf8) {
    return page_text("    ") + page_text(utf8);
}

}  // namespace

std::variant<residual_quote, std::string> quote_residual(calc_inputs inputs,
                                                         const current_flags& flags,
                                                         const price_line_texts& lines,
                                                         std::string_view residual_text) {
    std::optional<price_figures> prices;
    std::optional<std::int32_t> vehicle_price;
    if (lines.any()) {
        auto read = read_price_lines(lines);
        if (auto* message = std::get_if<std::string>(&read)) {
            return std::move(*message);
        }
        prices = std::get<price_figures>(read);
        inputs.net_balance_text = std::to_string(prices->net_balance);
        if (!lines.vehicle_price_text.empty()) {
            vehicle_price = prices->vehicle_price;
        }
    }
    calc_outcome outcome = quote_residual_plan(inputs, flags, residual_text, vehicle_price);
    if (!outcome.result) {
        return std::move(outcome.message);
    }
    const std::optional<std::int32_t> total =
        payment_total(prices.value_or(price_figures{}), outcome.result->loan_amount);
    if (!total) {
        return std::string("お支払総額が範囲外です");
    }
    return residual_quote{*outcome.result, prices, *total};
}

std::vector<page_string> residual_page(const residual_quote& quote, const quote_record& record,
                                       const branch_settings& settings,
                                       std::string_view customer_name, const local_time& now) {
    const calc_result& result = quote.result;
    std::vector<page_string> page;
    page.push_back({3200, line_pitch * 4, date_line(now)});
    page.push_back({1500, line_pitch * 5, page_text(residual_page_title)});
    if (!customer_name.empty()) {
        page.push_back({200, line_pitch * 6, std::string(customer_name) + page_text(" 様")});
    }
    for (page_string& identity : branch_identity_lines(settings)) {
        page.push_back(std::move(identity));
    }
    page.push_back({180, line_pitch * 12, read_slot(settings.opening_line_1)});
    page.push_back({160, line_pitch * 13, read_slot(settings.opening_line_2)});
    page.push_back({2200, line_pitch * 14, page_text("記")});

    int line = 16;
    const auto row = [&page, &line](std::string_view label, std::string value) {
        page.push_back({label_x, line_pitch * line, row_label(label)});
        page.push_back({value_x, line_pitch * line, std::move(value)});
        ++line;
    };
    const std::int32_t down_payment = quote.prices ? quote.prices->down_payment : 0;
    if (quote.prices) {
        const price_figures& prices = *quote.prices;
        row("車両本体価格", amount_value(prices.vehicle_price));
        row("付属品", amount_value(prices.accessories));
        row("諸費用", amount_value(prices.expenses));
        row("値引き", amount_value(prices.discount));
        row("現金販売価格", amount_value(prices.cash_price));
    }
    row("頭金", amount_value(down_payment));
    if (quote.prices) {
        row("下取り価格", amount_value(quote.prices->trade_in));
    }
    row("お借入金額", amount_value(result.net_balance));
    if (record.show_rate == 1) {
        row("実質年率", rate_value(record));
    }
    row("お支払回数", count_value(result.payment_count));
    row("初回", installment_value(result.first_payment, 1));
    row("２回目以降", installment_value(result.later_payment, result.later_count));
    if (result.bonus_count > 0) {
        row("ボーナス加算", installment_value(result.bonus_payment, result.bonus_count));
    }
    row("最終回（残価）", amount_value(result.final_payment));
    row("融資手数料", amount_value(result.loan_fee));
    row("お支払総額", amount_value(quote.total_payment));

    ++line;
    for (page_string& note : note_lines(settings, line)) {
        page.push_back(std::move(note));
    }
    line += 3;
    page.push_back({label_x, line_pitch * line++, page_text("【備考】")});
    for (const auto remark : {&quote_record::remark_1, &quote_record::remark_2,
                              &quote_record::remark_3, &quote_record::remark_4}) {
        page.push_back({label_x, line_pitch * line++, read_slot(record.*remark)});
    }
    return page;
}

}  // namespace carloan
