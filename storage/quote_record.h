#pragma once
// The quote record: one quote in memory and, byte for byte, the whole content of a quote file.

#include <bit>
#include <cstddef>
#include <cstdint>

namespace carloan {

struct quote_record {
    char rate_text[11];
    char payment_count_text[11];
    char net_balance_text[16];
    char skip_months_text[11];
    char bonus_addition_text[16];
    char bonus_count_text[11];
    char deferment_text[11];
    char loan_fee_text[16];
    char loan_amount_text[16];
    char first_payment_text[16];
    char later_payment_text[16];
    char later_count_text[11];
    char bonus_payment_text[16];
    char bonus_times_text[11];
    char reserved_1[3];
    std::int32_t bonus_method;
    std::int32_t cycle_mode;
    std::int32_t net_balance;
    std::int32_t loan_fee;
    std::int32_t loan_amount;
    std::int32_t payment_count;
    std::int32_t first_payment;
    std::int32_t later_payment;
    std::int32_t later_count;
    std::int32_t bonus_payment;
    std::int32_t bonus_count;
    char customer_name[31];
    char remark_1[41];
    char remark_2[41];
    char remark_3[41];
    char remark_4[41];
    char reserved_2[1];
    std::int32_t start_year;
    std::int32_t start_month;
    std::int32_t bonus_month_1;
    std::int32_t bonus_month_2;
    std::int32_t first_bonus_year;
    std::int32_t first_bonus_month;
    std::int32_t deferment_months;
    std::int32_t show_rate;
};

// The file format is this layout; a compiler that pads differently must not build silently.
static_assert(offsetof(quote_record, rate_text) == 0);
static_assert(offsetof(quote_record, payment_count_text) == 11);
static_assert(offsetof(quote_record, net_balance_text) == 22);
static_assert(offsetof(quote_record, skip_months_text) == 38);
static_assert(offsetof(quote_record, bonus_addition_text) == 49);
static_assert(offsetof(quote_record, bonus_count_text) == 65);
static_assert(offsetof(quote_record, deferment_text) == 76);
static_assert(offsetof(quote_record, loan_fee_text) == 87);
static_assert(offsetof(quote_record, loan_amount_text) == 103);
static_assert(offsetof(quote_record, first_payment_text) == 119);
static_assert(offsetof(quote_record, later_payment_text) == 135);
static_assert(offsetof(quote_record, later_count_text) == 151);
static_assert(offsetof(quote_record, bonus_payment_text) == 162);
static_assert(offsetof(quote_record, bonus_times_text) == 178);
static_assert(offsetof(quote_record, reserved_1) == 189);
static_assert(offsetof(quote_record, bonus_method) == 192);
static_assert(offsetof(quote_record, cycle_mode) == 196);
static_assert(offsetof(quote_record, net_balance) == 200);
static_assert(offsetof(quote_record, loan_fee) == 204);
static_assert(offsetof(quote_record, loan_amount) == 208);
static_assert(offsetof(quote_record, payment_count) == 212);
static_assert(offsetof(quote_record, first_payment) == 216);
static_assert(offsetof(quote_record, later_payment) == 220);
static_assert(offsetof(quote_record, later_count) == 224);
static_assert(offsetof(quote_record, bonus_payment) == 228);
static_assert(offsetof(quote_record, bonus_count) == 232);
static_assert(offsetof(quote_record, customer_name) == 236);
static_assert(offsetof(quote_record, remark_1) == 267);
static_assert(offsetof(quote_record, remark_2) == 308);
static_assert(offsetof(quote_record, remark_3) == 349);
static_assert(offsetof(quote_record, remark_4) == 390);
static_assert(offsetof(quote_record, reserved_2) == 431);
static_assert(offsetof(quote_record, start_year) == 432);
static_assert(offsetof(quote_record, start_month) == 436);
static_assert(offsetof(quote_record, bonus_month_1) == 440);
static_assert(offsetof(quote_record, bonus_month_2) == 444);
static_assert(offsetof(quote_record, first_bonus_year) == 448);
static_assert(offsetof(quote_record, first_bonus_month) == 452);
static_assert(offsetof(quote_record, deferment_months) == 456);
static_assert(offsetof(quote_record, show_rate) == 460);
// The integers are stored as they lie in memory; the files hold them little-endian.
static_assert(std::endian::native == std::endian::little);
static_assert(sizeof(quote_record) == 464);

}  // namespace carloan
