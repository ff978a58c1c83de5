#include "schedule/expand.h"

#include "calc/amount_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <string_view>

namespace carloan {
namespace {

// Table columns are 32-bit; absurd figures (a loan amount with huge payments) wrap there instead
// of overflowing.
std::int32_t wrapped(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

std::int64_t month_index(std::int64_t year, std::int64_t month) {
    return year * 12 + month;
}

schedule_parameters parameters_of(const quote_record& record) {
    return {record.start_year,        record.start_month,   record.first_bonus_year,
            record.first_bonus_month, record.bonus_month_1, record.bonus_month_2};
}

enum class entries_read { complete, missing, out_of_range };

// An empty field zeroes its record value and stops the expansion with its message.
entries_read read_entry(std::string_view text, std::int32_t& target, const char* missing_message,
                        expansion& out) {
    if (text.empty()) {
        target = 0;
        out.message = missing_message;
        return entries_read::missing;
    }
    target = leading_integer(text);
    return entries_read::complete;
}

entries_read read_within(std::string_view text, std::int32_t& target, const char* missing_message,
                         std::int32_t low, std::int32_t high, const char* range_message,
                         expansion& out) {
    const entries_read read = read_entry(text, target, missing_message, out);
    if (read == entries_read::complete && (target < low || target > high)) {
        out.message = range_message;
        return entries_read::out_of_range;
    }
    return read;
}

entries_read read_month(std::string_view text, std::int32_t& target, const char* missing_message,
                        expansion& out) {
    return read_within(text, target, missing_message, 1, 12, month_out_of_range_message, out);
}

entries_read read_year(std::string_view text, std::int32_t& target, const char* missing_message,
                       expansion& out) {
    return read_within(text, target, missing_message, min_schedule_year, max_schedule_year,
                       year_out_of_range_message, out);
}

entries_read read_entries(const quote_record& record, const schedule_entries& in, expansion& out) {
    schedule_parameters& p = out.parameters;
    entries_read read = read_year(in.start_year, p.start_year, "返済開始年が未入力です", out);
    if (read == entries_read::complete) {
        read = read_month(in.start_month, p.start_month, "返済開始月が未入力です", out);
    }
    if (read != entries_read::complete) {
        return read;
    }
    if (record.bonus_payment < 1) {
        // Without a bonus the bonus fields are not read; their stored values are cleared.
        p.first_bonus_year = 0;
        p.first_bonus_month = 0;
        p.bonus_month_1 = 0;
        p.bonus_month_2 = 0;
        return read;
    }
    read =
        read_year(in.first_bonus_year, p.first_bonus_year, "初回ボーナス返済年が未入力です", out);
    if (read == entries_read::complete) {
        read = read_month(in.first_bonus_month, p.first_bonus_month,
                          "初回ボーナス返済月が未入力です", out);
    }
    if (read == entries_read::complete) {
        read = read_month(in.bonus_month_1, p.bonus_month_1, "ボーナス月１が未入力です", out);
    }
    if (read == entries_read::complete) {
        read = read_month(in.bonus_month_2, p.bonus_month_2, "ボーナス月２が未入力です", out);
    }
    return read;
}

// Builds row 0 and one row per payment; gives the number of bonus months met.
int build_rows(const quote_record& record, const schedule_parameters& p,
               std::vector<schedule_row>& rows) {
    const std::int64_t threshold = month_index(p.first_bonus_year, p.first_bonus_month);
    const bool has_bonus = record.bonus_payment >= 1;
    const bool total_method = record.bonus_method == 1;
    const int count = std::max(0, record.payment_count);

    rows.reserve(static_cast<std::size_t>(count) + 1);
    rows.push_back(
        {p.start_year, wrapped(std::int64_t{p.start_month} - 1), 0, 0, record.loan_amount});
    int bonus_months = 0;
    for (int k = 1; k <= count; ++k) {
        const schedule_row& previous = rows.back();
        schedule_row row{previous.year, wrapped(std::int64_t{previous.month} + 1), 0, 0, 0};
        if (row.month > 12) {
            row.month = 1;
            row.year = wrapped(std::int64_t{row.year} + 1);
        }
        row.regular_payment = k == 1 ? record.first_payment : record.later_payment;

        // A quote without a bonus has no bonus month, even when a month typed as 0 or less
        // meets the cleared bonus months.
        const bool bonus_month = has_bonus && month_index(row.year, row.month) >= threshold &&
                                 (row.month == p.bonus_month_1 || row.month == p.bonus_month_2);
        if (bonus_month) {
            row.bonus_part = record.bonus_payment;
            ++bonus_months;
            if (total_method) {
                // The bonus payment replaces the month's installment; payment 1 keeps what it
                // carries beyond a regular one.
                row.regular_payment =
                    k == 1 ? wrapped(std::int64_t{record.first_payment} - record.later_payment) : 0;
            }
        }
        row.balance =
            wrapped(std::int64_t{previous.balance} - row.bonus_part - row.regular_payment);
        rows.push_back(row);
    }
    return bonus_months;
}

std::string formatted(const char* format, long long first, long long second) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, format, first, second);
    return buffer;
}

// What "%<width>d" (pad ' ') or "%0<width>d" (pad '0') writes.
char* put_integer(char* at, std::int32_t value, int width, char pad) {
    std::array<char, 16> digits{};
    char* const end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    const char* from = digits.data();
    const auto length = static_cast<int>(end - from);
    if (pad == '0' && value < 0) {
        *at++ = *from++;  // zeros go after the sign
    }
    at = std::fill_n(at, std::max(0, width - length), pad);
    return std::copy(from, static_cast<const char*>(end), at);
}

char digit(int value) {
    return static_cast<char>('0' + value);
}

// "%3d   %4d/%02d ". Every listed line starts so; the common case of a payment number below
// 1000 and a four-digit year is written directly.
char* put_head(char* at, int payment_number, const schedule_row& row) {
    const int k = payment_number;
    const int year = row.year;
    const int month = row.month;
    if (k < 1 || k > 999 || year < 1000 || year > 9999 || month < 0 || month > 99) {
        at = put_integer(at, k, 3, ' ');
        at = std::fill_n(at, 3, ' ');
        at = put_integer(at, year, 4, ' ');
        *at++ = '/';
        at = put_integer(at, month, 2, '0');
        *at++ = ' ';
        return at;
    }
    at[0] = k >= 100 ? digit(k / 100) : ' ';
    at[1] = k >= 10 ? digit(k / 10 % 10) : ' ';
    at[2] = digit(k % 10);
    at[3] = ' ';
    at[4] = ' ';
    at[5] = ' ';
    at[6] = digit(year / 1000);
    at[7] = digit(year / 100 % 10);
    at[8] = digit(year / 10 % 10);
    at[9] = digit(year % 10);
    at[10] = '/';
    at[11] = digit(month / 10);
    at[12] = digit(month % 10);
    at[13] = ' ';
    return at + 14;
}

// The amount paid is summed wide: two large 32-bit parts must not wrap into a wrong sign.
std::int64_t paid_amount(const schedule_row& row) {
    return std::int64_t{row.regular_payment} + row.bonus_part;
}

// The amount text of the last amount paid asked for.
class paid_text {
  public:
    std::string_view of(std::int64_t amount) {
        if (length_ == 0 || amount != amount_) {
            amount_ = amount;
            length_ = static_cast<std::size_t>(put_amount_text(text_.data(), amount, amount_width) -
                                               text_.data());
        }
        return {text_.data(), length_};
    }

  private:
    std::int64_t amount_ = 0;
    std::size_t length_ = 0;
    std::array<char, amount_text_capacity> text_{};
};

// The head, then the amount paid and the balance left.
std::string line_of(int payment_number, const schedule_row& row, std::string_view paid) {
    std::array<char, 48 + 2 * amount_text_capacity> text;
    char* at = put_head(text.data(), payment_number, row);
    at = std::copy(paid.begin(), paid.end(), at);
    at = put_amount_text(at, row.balance, amount_width);
    return std::string(text.data(), at);
}

}  // namespace

expansion expand(const quote_record& record, const schedule_entries& entered) {
    expansion out;
    out.parameters = parameters_of(record);
    switch (read_entries(record, entered, out)) {
        case entries_read::complete:
            break;
        case entries_read::missing:
            return out;
        case entries_read::out_of_range:
            // Unlike a missing entry, a year or month that cannot be keeps nothing read before it
            // either.
            out.parameters = parameters_of(record);
            return out;
    }
    // The table holds 420 payments; refuse a longer quote before writing any row, after the
    // entries are read so that they are kept as for any other stop.
    if (record.payment_count > static_cast<std::int64_t>(max_payments)) {
        out.message = too_many_payments_message;
        return out;
    }

    const schedule_parameters& p = out.parameters;
    const int bonus_months = build_rows(record, p, out.rows);
    if (bonus_months != record.bonus_count) {
        out.message = formatted("ボーナス回数は(%lld)回です。指定した回数(%lld)と異なります",
                                bonus_months, record.bonus_count);
        return out;
    }

    // The number of the payment in the first bonus month, start and bonus month both counted.
    const std::int64_t deferment =
        std::max<std::int64_t>(0, (std::int64_t{p.first_bonus_year} - p.start_year) * 12 -
                                      p.start_month + p.first_bonus_month + 1);
    if (record.cycle_mode == 1 && deferment != record.deferment_months) {
        out.message = formatted("ボーナス据置月数は(%lld)ヶ月です。指定した月数(%lld)と異なります",
                                deferment, record.deferment_months);
        return out;
    }

    // Most months pay the same amount, so its text is made once for each run of equal payments.
    out.lines.reserve(out.rows.size() - 1);
    paid_text paid;
    for (std::size_t k = 1; k < out.rows.size(); ++k) {
        const schedule_row& row = out.rows[k];
        out.lines.push_back(line_of(static_cast<int>(k), row, paid.of(paid_amount(row))));
    }
    return out;
}

std::string listing_line(int payment_number, const schedule_row& row) {
    paid_text paid;
    return line_of(payment_number, row, paid.of(paid_amount(row)));
}

void store_expansion(quote_record& record, repayment_table& table, const expansion& result) {
    const schedule_parameters& p = result.parameters;
    record.start_year = p.start_year;
    record.start_month = p.start_month;
    record.first_bonus_year = p.first_bonus_year;
    record.first_bonus_month = p.first_bonus_month;
    record.bonus_month_1 = p.bonus_month_1;
    record.bonus_month_2 = p.bonus_month_2;
    const std::size_t count = std::min(result.rows.size(), table.size());
    std::copy_n(result.rows.begin(), count, table.begin());
}

schedule_entries entries_of(const quote_record& record) {
    return {std::to_string(record.start_year),       std::to_string(record.start_month),
            std::to_string(record.first_bonus_year), std::to_string(record.first_bonus_month),
            std::to_string(record.bonus_month_1),    std::to_string(record.bonus_month_2)};
}

}  // namespace carloan
