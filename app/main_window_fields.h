#pragma once
// The main window's three field tables: each field by control number with the figure it shows,
// the calculation's inputs, and the quote file's text slots.

#include "app/main_window.h"
#include "calc/calculate.h"
#include "calc/result_figures.h"
#include "storage/quote_record.h"

#include "ui_main_window.h"

#include <span>
#include <string>
#include <string_view>

namespace carloan::main_window_fields {

struct field_control {
    int number;
    QLineEdit* Ui::main_window::*widget;
    const result_figure* figure = nullptr;  // the figure an output field shows
};

inline constexpr field_control field_controls[] = {
    {main_control::rate, &Ui::main_window::rate_field},
    {main_control::payment_count, &Ui::main_window::payment_count_field},
    {main_control::net_balance, &Ui::main_window::net_balance_field},
    {main_control::skip_months, &Ui::main_window::skip_months_field},
    {main_control::bonus_amount, &Ui::main_window::bonus_amount_field},
    {main_control::bonus_count, &Ui::main_window::bonus_count_field},
    {main_control::deferment, &Ui::main_window::deferment_field},
    {main_control::loan_fee, &Ui::main_window::loan_fee_field, &figure_of(&calc_result::loan_fee)},
    {main_control::loan_amount, &Ui::main_window::loan_amount_field,
     &figure_of(&calc_result::loan_amount)},
    {main_control::first_payment, &Ui::main_window::first_payment_field,
     &figure_of(&calc_result::first_payment)},
    {main_control::later_payment, &Ui::main_window::later_payment_field,
     &figure_of(&calc_result::later_payment)},
    {main_control::later_count, &Ui::main_window::later_count_field,
     &figure_of(&calc_result::later_count)},
    {main_control::bonus_payment, &Ui::main_window::bonus_payment_field,
     &figure_of(&calc_result::bonus_payment)},
    {main_control::bonus_times, &Ui::main_window::bonus_times_field,
     &figure_of(&calc_result::bonus_count)},
    {main_control::comparison, &Ui::main_window::comparison_field,
     &figure_of(&calc_result::comparison)},
};

// The inputs of the form, as the calculation and the quote record name them.
struct input_field {
    int control;
    std::string calc_inputs::*text;
    bool amount = false;  // a yen amount, which may be typed in 万
};

inline constexpr input_field input_fields[] = {
    {main_control::rate, &calc_inputs::rate_text},
    {main_control::payment_count, &calc_inputs::payment_count_text},
    {main_control::net_balance, &calc_inputs::net_balance_text, true},
    {main_control::skip_months, &calc_inputs::skip_months_text},
    {main_control::bonus_amount, &calc_inputs::bonus_addition_text, true},
    {main_control::bonus_count, &calc_inputs::bonus_count_text},
    {main_control::deferment, &calc_inputs::deferment_text},
};

template <auto member>
std::span<char> slot(quote_record& record) {
    return record.*member;
}

struct field_slot {
    int control;
    std::span<char> (*slot)(quote_record&);
};

// A quote file's text slots, in the order a save reads them.
inline constexpr field_slot quote_fields[] = {
    {main_control::rate, slot<&quote_record::rate_text>},
    {main_control::payment_count, slot<&quote_record::payment_count_text>},
    {main_control::net_balance, slot<&quote_record::net_balance_text>},
    {main_control::skip_months, slot<&quote_record::skip_months_text>},
    {main_control::bonus_amount, slot<&quote_record::bonus_addition_text>},
    {main_control::bonus_count, slot<&quote_record::bonus_count_text>},
    {main_control::deferment, slot<&quote_record::deferment_text>},
    {main_control::loan_fee, slot<&quote_record::loan_fee_text>},
    {main_control::loan_amount, slot<&quote_record::loan_amount_text>},
    {main_control::first_payment, slot<&quote_record::first_payment_text>},
    {main_control::later_payment, slot<&quote_record::later_payment_text>},
    {main_control::later_count, slot<&quote_record::later_count_text>},
    {main_control::bonus_payment, slot<&quote_record::bonus_payment_text>},
    {main_control::bonus_times, slot<&quote_record::bonus_times_text>},
};

// A save takes two bytes less than the slot: the terminator, and the last byte, which a field
// read never writes.
inline std::size_t saved_text_limit(std::span<char> slot) {
    return slot.size() - 2;
}

}  // namespace carloan::main_window_fields
