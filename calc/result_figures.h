#pragma once
// The figures of a completed calculation, described once: the key each is known by, the label of
// its row, and the members that hold it as a number and as the text its output field shows. The
// JSON of a quote, carloan-quote's table, the plan comparison rows and the main window's output
// fields all iterate this table, in its order. It does not say how a page lays a figure out.
// A figure of one plan only is left out of the other's JSON, table and rows.

#include "calc/calculate.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace carloan {

enum class figure_plan { both, ordinary, residual };

struct result_figure {
    std::string_view name{};  // also its JSON key
    std::int32_t calc_result::*value = nullptr;
    std::string_view text_name{};  // the JSON key of its text; empty when it has none
    std::string calc_result::*text = nullptr;
    // UTF-8 label of its row, where it is a row of its own (a count is shown beside its payment);
    // `total_label` replaces it under the bonus-month total method. `label_end` follows the label
    // where the form writes one after it.
    std::string_view label{};
    std::string_view total_label{};
    std::string_view label_end{};
    std::string calc_result::*count_text = nullptr;  // the count shown beside it: "×36回"
    figure_plan plan = figure_plan::both;
};

inline constexpr std::array<result_figure, 14> result_figures{{
    {"net_balance", &calc_result::net_balance},
    {"loan_fee", &calc_result::loan_fee, "loan_fee_text", &calc_result::loan_fee_text,
     "融資手数料"},
    {"loan_amount", &calc_result::loan_amount, "loan_amount_text", &calc_result::loan_amount_text,
     "融資額"},
    {"payment_count", &calc_result::payment_count},
    {"first_payment", &calc_result::first_payment, "first_payment_text",
     &calc_result::first_payment_text, "１回目"},
    {"later_payment",
     &calc_result::later_payment,
     "later_payment_text",
     &calc_result::later_payment_text,
     "２回目以降",
     {},
     {},
     &calc_result::later_count_text},
    {"later_count", &calc_result::later_count, "later_count_text", &calc_result::later_count_text},
    {"bonus_payment", &calc_result::bonus_payment, "bonus_payment_text",
     &calc_result::bonus_payment_text, "ボーナス月加算", "ボーナス月返済", " ＝",
     &calc_result::bonus_times_text},
    {"bonus_count", &calc_result::bonus_count, "bonus_times_text", &calc_result::bonus_times_text},
    {"final_payment",
     &calc_result::final_payment,
     "final_payment_text",
     &calc_result::final_payment_text,
     "最終回（残価）",
     {},
     {},
     nullptr,
     figure_plan::residual},
    {"residual", &calc_result::residual, {}, nullptr, {}, {}, {}, nullptr, figure_plan::residual},
    {"deferment_months", &calc_result::deferment_months},
    {"comparison",
     &calc_result::comparison,
     "comparison_text",
     &calc_result::comparison_text,
     "Ｓ１均等比較",
     {},
     "：",
     nullptr,
     figure_plan::ordinary},
    {"rate_text", nullptr, "rate_text", &calc_result::rate_text},
}};

// Whether the figure belongs to the result's plan.
constexpr bool figure_of(const result_figure& figure, bool residual_plan) {
    return figure.plan == figure_plan::both ||
           figure.plan == (residual_plan ? figure_plan::residual : figure_plan::ordinary);
}

// The row label under the current bonus method.
constexpr std::string_view figure_label(const result_figure& figure, const current_flags& flags) {
    return flags.bonus_method == 1 && !figure.total_label.empty() ? figure.total_label
                                                                  : figure.label;
}

}  // namespace carloan
