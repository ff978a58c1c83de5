#include "print/estimate_page.h"

#include "calc/amount_text.h"
#include "text/cp932.h"

#include <cstdio>
#include <span>
#include <string_view>
#include <utility>

namespace carloan {
namespace {

constexpr int label_x = 500;
constexpr int value_x = 1900;

std::string cp932(std::string_view utf8) {
    return page_text(utf8);
}

std::string slot_text(std::span<const char> slot) {
    return read_slot(slot);
}

// "%30s": blanks in front up to 30 bytes, blanks inside the text kept, a longer text whole.
std::string right_justified(std::string text) {
    if (text.size() < static_cast<std::size_t>(value_width)) {
        text.insert(0, value_width - text.size(), ' ');
    }
    return text;
}

}  // namespace

// The rate as typed, without a comma ever being inserted.
std::string rate_value(const quote_record& record) {
    return right_alignment(number_characters(slot_text(record.rate_text)) + cp932("％"),
                           value_width);
}

std::string date_line(const local_time& now) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%4d/%2d/%2d   %2d:%2d:%2d", now.year, now.month, now.day,
                  now.hour, now.minute, now.second);
    return buffer;
}

std::vector<page_string> branch_identity_lines(const branch_settings& settings) {
    return {{2500, line_pitch * 7, right_justified(cp932("ゾルベクス（株）"))},
            {2700, line_pitch * 8, right_justified(slot_text(settings.branch_name))},
            {3200, line_pitch * 9, "TEL:" + slot_text(settings.telephone)},
            {3200, line_pitch * 10, cp932("担当 ") + slot_text(settings.staff_name)}};
}

std::vector<page_string> note_lines(const branch_settings& settings, int first_line) {
    return {{180, line_pitch * first_line, slot_text(settings.note_line_1)},
            {160, line_pitch * (first_line + 1), slot_text(settings.note_line_2)},
            {160, line_pitch * (first_line + 2), slot_text(settings.note_line_3)}};
}

std::vector<page_string> estimate_page(const quote_record& record, const branch_settings& settings,
                                       std::int32_t bonus_method, const local_time& now) {
    const int shift = record.show_rate == 1 ? 1 : 0;
    const auto line = [](int n) { return line_pitch * n; };

    std::vector<page_string> page;
    page.reserve(34);
    page.push_back({3200, line(4), date_line(now)});
    page.push_back({1700, line(5), cp932("オートローンお見積書")});
    page.push_back({200, line(6), slot_text(record.customer_name) + cp932(" 様")});
    for (page_string& identity : branch_identity_lines(settings)) {
        page.push_back(std::move(identity));
    }
    page.push_back({180, line(12), slot_text(settings.opening_line_1)});
    page.push_back({160, line(13), slot_text(settings.opening_line_2)});
    page.push_back({2200, line(14), cp932("記")});

    page.push_back({label_x, line(16), cp932("    お借入金額         ")});
    page.push_back({value_x, line(16), amount_value(record.net_balance)});
    if (shift == 1) {
        page.push_back({label_x, line(17), cp932("    融資利率（年率）   ")});
        page.push_back({value_x, line(17), rate_value(record)});
    }
    page.push_back({label_x, line(17 + shift), cp932("    融資手数料         ")});
    page.push_back({value_x, line(17 + shift), amount_value(record.loan_fee)});
    page.push_back({label_x, line(18 + shift), cp932("    お支払い合計額     ")});
    page.push_back({value_x, line(18 + shift), amount_value(record.loan_amount)});
    page.push_back({label_x, line(19 + shift), cp932("    お支払い回数       ")});
    page.push_back({value_x, line(19 + shift), count_value(record.payment_count)});
    page.push_back({label_x, line(20 + shift), cp932("    第1回目            ")});
    page.push_back({value_x, line(20 + shift), installment_value(record.first_payment, 1)});
    page.push_back({label_x, line(21 + shift), cp932("    第２回目以降       ")});
    page.push_back(
        {value_x, line(21 + shift), installment_value(record.later_payment, record.later_count)});
    page.push_back({label_x, line(22 + shift), bonus_row_label(bonus_method)});
    page.push_back(
        {value_x, line(22 + shift), installment_value(record.bonus_payment, record.bonus_count)});

    for (page_string& note : note_lines(settings, 24 + shift)) {
        page.push_back(std::move(note));
    }
    page.push_back({label_x, line(27 + shift), cp932("【備考】")});
    page.push_back({label_x, line(28 + shift), slot_text(record.remark_1)});
    page.push_back({label_x, line(29 + shift), slot_text(record.remark_2)});
    page.push_back({label_x, line(30 + shift), slot_text(record.remark_3)});
    page.push_back({label_x, line(31 + shift), slot_text(record.remark_4)});
    return page;
}

}  // namespace carloan
