#include "print/estimate_page.h"

#include "calc/amount_text.h"
#include "calc/result_figures.h"
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

constexpr std::size_t label_bytes = 23;

std::string padded_label(std::string_view utf8) {
    std::string label = cp932("    ") + cp932(utf8);
    if (label.size() < label_bytes) {
        label.append(label_bytes - label.size(), ' ');
    }
    return label;
}

std::string printed_figure_value(const result_figure& figure, const quote_record& record) {
    const std::int32_t value = record.*figure.record;
    switch (figure.printed) {
        case printed_value::amount:
            return amount_value(value);
        case printed_value::count:
            return count_value(value);
        case printed_value::installment:
            return installment_value(value, figure.record_count ? record.*figure.record_count : 1);
    }
    return {};
}

const result_figure& balance_figure = figure_of(&calc_result::net_balance);

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

std::vector<figure_line> balance_lines(const quote_record& record, bool with_rate) {
    std::vector<figure_line> lines{
        {padded_label(balance_figure.printed_label), printed_figure_value(balance_figure, record)}};
    if (with_rate && record.show_rate == 1) {
        lines.push_back({padded_label("融資利率（年率）"), rate_value(record)});
    }
    return lines;
}

std::vector<figure_line> payment_lines(const quote_record& record, std::int32_t bonus_method) {
    std::vector<figure_line> lines;
    for (const result_figure& figure : result_figures) {
        if (figure.printed_label.empty() || &figure == &balance_figure) {
            continue;
        }
        lines.push_back({padded_label(std::string(printed_label(figure, bonus_method)) +
                                      std::string(figure.printed_label_end)),
                         printed_figure_value(figure, record)});
    }
    return lines;
}

std::vector<page_string> estimate_page(const quote_record& record, const branch_settings& settings,
                                       std::int32_t bonus_method, const local_time& now) {
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

    int row = 16;
    for (const std::vector<figure_line>& lines :
         {balance_lines(record, true), payment_lines(record, bonus_method)}) {
        for (const auto& [label, value] : lines) {
            page.push_back({label_x, line(row), label});
            page.push_back({value_x, line(row), value});
            ++row;
        }
    }

    for (page_string& note : note_lines(settings, row + 1)) {
        page.push_back(std::move(note));
    }
    const int remarks_line = row + 4;
    page.push_back({label_x, line(remarks_line), cp932("【備考】")});
    page.push_back({label_x, line(remarks_line + 1), slot_text(record.remark_1)});
    page.push_back({label_x, line(remarks_line + 2), slot_text(record.remark_2)});
    page.push_back({label_x, line(remarks_line + 3), slot_text(record.remark_3)});
    page.push_back({label_x, line(remarks_line + 4), slot_text(record.remark_4)});
    return page;
}

}  // namespace carloan
