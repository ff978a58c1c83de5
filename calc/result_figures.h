#pragma once
// The figures of a completed calculation, described once: the key each is known by, the members
// that hold it as a number and as the text its output field shows (and the width of that text),
// the label of its row in the window and on the printed pages, and the member of the quote record
// that keeps it. The calculation writes the texts from this table; the JSON of a quote,
// carloan-quote's table, the plan comparison rows, the main window's output fields and the rows of
// the estimate, schedule and plan pages all iterate it, in its order. Where a page puts a row is
// the page's business.
// A figure of one plan only (the residual plan's final payment, the ordinary plan's
// comparison) is left out of the other plan's texts, JSON, table and rows.

#include "calc/amount_text.h"
#include "calc/calculate.h"
#include "storage/quote_record.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace carloan {

enum class figure_plan { both, ordinary, residual };

// How a printed page writes a figure's value: "1,234,567円", "60回", "12,345円×59回".
enum class printed_value { amount, count, installment };

struct result_figure {
    std::string_view name{};  // also its JSON key
    std::int32_t calc_result::*value = nullptr;
    std::string_view text_name{};  // the JSON key of its text; empty when it has none
    std::string calc_result::*text = nullptr;
    int width = 0;                // of the text, which the calculation writes from the value
    bool never_negative = false;  // a quote where it is negative is refused as out of range
    // UTF-8 label of its row in the window and the comparison, where it is a row of its own (a
    // count is shown beside its payment); `total_label` replaces it, here and on the pages, under
    // the bonus-month total method. `label_end` follows the label where the form writes one.
    std::string_view label{};
    std::string_view total_label{};
    std::string_view label_end{};
    std::string calc_result::*count_text = nullptr;  // the count shown beside it: "×36回"
    // UTF-8 label of its row on the printed pages; empty when it is not printed. The estimate and
    // the schedule write `printed_label_end` after it.
    std::string_view printed_label{};
    std::string_view printed_label_end{};
    printed_value printed = printed_value::amount;
    std::int32_t quote_record::*record = nullptr;
    // The count a printed installment is multiplied by; none for a single payment.
    std::int32_t quote_record::*record_count = nullptr;
    figure_plan plan = figure_plan::both;
};

inline constexpr auto result_figures = std::to_array<result_figure>({
    {.name = "net_balance",
     .value = &calc_result::net_balance,
     .printed_label = "お借入金額",
     .record = &quote_record::net_balance},
    {.name = "loan_fee",
     .value = &calc_result::loan_fee,
     .text_name = "loan_fee_text",
     .text = &calc_result::loan_fee_text,
     .width = amount_width,
     .never_negative = true,
     .label = "融資手数料",
     .printed_label = "融資手数料",
     .record = &quote_record::loan_fee},
    {.name = "loan_amount",
     .value = &calc_result::loan_amount,
     .text_name = "loan_amount_text",
     .text = &calc_result::loan_amount_text,
     .width = amount_width,
     .never_negative = true,
     .label = "融資額",
     .printed_label = "お支払い合計額",
     .record = &quote_record::loan_amount},
    {.name = "payment_count",
     .value = &calc_result::payment_count,
     .printed_label = "お支払い回数",
     .printed = printed_value::count,
     .record = &quote_record::payment_count},
    {.name = "first_payment",
     .value = &calc_result::first_payment,
     .text_name = "first_payment_text",
     .text = &calc_result::first_payment_text,
     .width = amount_width,
     .never_negative = true,
     .label = "１回目",
     .printed_label = "第1回目",
     .printed = printed_value::installment,
     .record = &quote_record::first_payment},
    {.name = "later_payment",
     .value = &calc_result::later_payment,
     .text_name = "later_payment_text",
     .text = &calc_result::later_payment_text,
     .width = amount_width,
     .never_negative = true,
     .label = "２回目以降",
     .count_text = &calc_result::later_count_text,
     .printed_label = "第２回目以降",
     .printed = printed_value::installment,
     .record = &quote_record::later_payment,
     .record_count = &quote_record::later_count},
    {.name = "later_count",
     .value = &calc_result::later_count,
     .text_name = "later_count_text",
     .text = &calc_result::later_count_text,
     .width = count_width,
     .never_negative = true},
    {.name = "bonus_payment",
     .value = &calc_result::bonus_payment,
     .text_name = "bonus_payment_text",
     .text = &calc_result::bonus_payment_text,
     .width = amount_width,
     .never_negative = true,
     .label = "ボーナス月加算",
     .total_label = "ボーナス月返済",
     .label_end = " ＝",
     .count_text = &calc_result::bonus_times_text,
     .printed_label = "ボーナス月加算",
     .printed_label_end = "金額",
     .printed = printed_value::installment,
     .record = &quote_record::bonus_payment,
     .record_count = &quote_record::bonus_count},
    {.name = "bonus_count",
     .value = &calc_result::bonus_count,
     .text_name = "bonus_times_text",
     .text = &calc_result::bonus_times_text,
     .width = count_width},
    {.name = "final_payment",
     .value = &calc_result::final_payment,
     .text_name = "final_payment_text",
     .text = &calc_result::final_payment_text,
     .width = amount_width,
     .never_negative = true,
     .label = "最終回（残価）",
     .plan = figure_plan::residual},
    {.name = "residual", .value = &calc_result::residual, .plan = figure_plan::residual},
    {.name = "deferment_months", .value = &calc_result::deferment_months},
    {.name = "comparison",
     .value = &calc_result::comparison,
     .text_name = "comparison_text",
     .text = &calc_result::comparison_text,
     .width = comparison_width,
     .label = "Ｓ１均等比較",
     .label_end = "：",
     .plan = figure_plan::ordinary},
    {.name = "rate_text", .text_name = "rate_text", .text = &calc_result::rate_text},
});

// A written text needs its number, and a printed row the record's member.
static_assert(std::ranges::all_of(result_figures, [](const result_figure& figure) {
    return (figure.width == 0 || (figure.value != nullptr && figure.text != nullptr)) &&
           (figure.printed_label.empty() || figure.record != nullptr);
}));

// Whether the figure belongs to the result's plan.
constexpr bool in_plan(const result_figure& figure, bool residual_plan) {
    return figure.plan == figure_plan::both ||
           figure.plan == (residual_plan ? figure_plan::residual : figure_plan::ordinary);
}

// Writes the output texts of the result's plan from its numbers.
inline void write_figure_texts(calc_result& result) {
    for (const result_figure& figure : result_figures) {
        if (figure.width > 0 && in_plan(figure, result.residual_plan())) {
            append_amount_text(result.*figure.text, result.*figure.value, figure.width);
        }
    }
}

// The row label under the current bonus method.
constexpr std::string_view figure_label(const result_figure& figure, const current_flags& flags) {
    return flags.bonus_method == 1 && !figure.total_label.empty() ? figure.total_label
                                                                  : figure.label;
}

// The printed row label under a bonus method (1 = total method).
constexpr std::string_view printed_label(const result_figure& figure, std::int32_t bonus_method) {
    return bonus_method == 1 && !figure.total_label.empty() ? figure.total_label
                                                            : figure.printed_label;
}

// The table's entry of a figure, named by its member; a member the table lacks does not compile.
consteval const result_figure& figure_of(std::int32_t calc_result::*value) {
    for (const result_figure& figure : result_figures) {
        if (figure.value == value) {
            return figure;
        }
    }
    throw "not a figure of result_figures";
}

}  // namespace carloan
