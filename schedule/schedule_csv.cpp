#include "schedule/schedule_csv.h"

#include <charconv>
#include <cstdint>

namespace carloan {
namespace {

void append_number(std::string& out, std::int64_t value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

}  // namespace

std::string schedule_csv(std::span<const schedule_row> payments) {
    std::string out(csv_byte_order_mark);
    out += "回目,年月,返済額,ボーナス加算分,返済後残高\r\n";
    out.reserve(out.size() + payments.size() * 40);
    std::int64_t number = 0;
    for (const schedule_row& row : payments) {
        append_number(out, ++number);
        out += ',';
        append_number(out, row.year);
        out += '/';
        if (row.month >= 0 && row.month < 10) {
            out += '0';
        }
        append_number(out, row.month);
        out += ',';
        // Summed wide, as the list does: two large parts must not wrap into a wrong sign.
        append_number(out, std::int64_t{row.regular_payment} + row.bonus_part);
        out += ',';
        append_number(out, row.bonus_part);
        out += ',';
        append_number(out, row.balance);
        out += "\r\n";
    }
    return out;
}

}  // namespace carloan
