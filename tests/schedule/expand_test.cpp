#include "schedule/expand.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace carloan {
namespace {

constexpr std::int32_t int_max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int_min = std::numeric_limits<std::int32_t>::min();

struct figures {
    std::int32_t loan_amount = 0;
    std::int32_t payment_count = 0;
    std::int32_t first_payment = 0;
    std::int32_t later_payment = 0;
    std::int32_t bonus_payment = 0;
    std::int32_t bonus_count = 0;
    std::int32_t deferment_months = 0;
    std::int32_t bonus_method = 0;
    std::int32_t cycle_mode = 1;
};

quote_record record_of(const figures& f) {
    quote_record record{};
    record.loan_amount = f.loan_amount;
    record.payment_count = f.payment_count;
    record.first_payment = f.first_payment;
    record.later_payment = f.later_payment;
    record.bonus_payment = f.bonus_payment;
    record.bonus_count = f.bonus_count;
    record.deferment_months = f.deferment_months;
    record.bonus_method = f.bonus_method;
    record.cycle_mode = f.cycle_mode;
    return record;
}

// The figures of the worked quote: six payments from May 2000, one bonus in July.
constexpr figures add_on_quote{95000, 6, 15000, 14000, 10000, 1, 3, 0, 1};
constexpr figures total_quote{81000, 6, 15000, 14000, 10000, 1, 3, 1, 1};
const schedule_entries may_2000{"2000", "5", "2000", "7", "7", "12"};

struct row_values {
    std::int32_t year, month, regular_payment, bonus_part, balance;
};

void expect_rows(const std::vector<schedule_row>& rows, const std::vector<row_values>& expected) {
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        EXPECT_EQ(rows[i].year, expected[i].year);
        EXPECT_EQ(rows[i].month, expected[i].month);
        EXPECT_EQ(rows[i].regular_payment, expected[i].regular_payment);
        EXPECT_EQ(rows[i].bonus_part, expected[i].bonus_part);
        EXPECT_EQ(rows[i].balance, expected[i].balance);
    }
}

TEST(expand, worked_quote_add_on_method) {
    const expansion out = expand(record_of(add_on_quote), may_2000);
    EXPECT_EQ(out.message, "");
    expect_rows(out.rows, {{2000, 4, 0, 0, 95000},
                           {2000, 5, 15000, 0, 80000},
                           {2000, 6, 14000, 0, 66000},
                           {2000, 7, 14000, 10000, 42000},
                           {2000, 8, 14000, 0, 28000},
                           {2000, 9, 14000, 0, 14000},
                           {2000, 10, 14000, 0, 0}});
    EXPECT_EQ(out.lines, (std::vector<std::string>{
                             "  1   2000/05         15,000        80,000",
                             "  2   2000/06         14,000        66,000",
                             "  3   2000/07         24,000        42,000",
                             "  4   2000/08         14,000        28,000",
                             "  5   2000/09         14,000        14,000",
                             "  6   2000/10         14,000             0",
                         }));
}

TEST(expand, worked_quote_total_method) {
    const expansion out = expand(record_of(total_quote), may_2000);
    EXPECT_EQ(out.message, "");
    expect_rows(out.rows, {{2000, 4, 0, 0, 81000},
                           {2000, 5, 15000, 0, 66000},
                           {2000, 6, 14000, 0, 52000},
                           {2000, 7, 0, 10000, 42000},
                           {2000, 8, 14000, 0, 28000},
                           {2000, 9, 14000, 0, 14000},
                           {2000, 10, 14000, 0, 0}});
    EXPECT_EQ(out.lines, (std::vector<std::string>{
                             "  1   2000/05         15,000        66,000",
                             "  2   2000/06         14,000        52,000",
                             "  3   2000/07         10,000        42,000",
                             "  4   2000/08         14,000        28,000",
                             "  5   2000/09         14,000        14,000",
                             "  6   2000/10         14,000             0",
                         }));
}

TEST(expand, line_layout) {
    // The paid amount is summed without wrapping; a long year widens the line instead of
    // cutting it.
    EXPECT_EQ(listing_line(7, {int_min, int_min, int_max, int_max, 0}),
              "  7   -2147483648/-2147483648  4,294,967,294             0");
}

// Figures whose checks pass with the entries below unless an entry is missing.
constexpr figures bonus_quote{95000, 6, 15000, 14000, 10000, 1, 3, 0, 1};
constexpr figures no_bonus_quote{90000, 6, 15000, 15000, 0, 0, 0, 0, 1};

struct stop_case {
    const char* name;
    figures quote;
    schedule_entries entered;
    const char* message;
    schedule_parameters stored;
    bool rows_built;
};

TEST(expand, stops_in_order_and_keeps_what_was_read) {
    figures long_quote = bonus_quote;
    long_quote.payment_count = 421;
    const stop_case cases[] = {
        {"start year",
         bonus_quote,
         {"", "", "", "", "", ""},
         "返済開始年が未入力です",
         {0, 3, 1998, 9, 6, 11},
         false},
        {"start month",
         bonus_quote,
         {"2000", "", "2000", "7", "7", "12"},
         "返済開始月が未入力です",
         {2000, 0, 1998, 9, 6, 11},
         false},
        {"first bonus year",
         bonus_quote,
         {"2000", "5", "", "7", "7", "12"},
         "初回ボーナス返済年が未入力です",
         {2000, 5, 0, 9, 6, 11},
         false},
        {"first bonus month",
         bonus_quote,
         {"2000", "5", "2000", "", "7", "12"},
         "初回ボーナス返済月が未入力です",
         {2000, 5, 2000, 0, 6, 11},
         false},
        {"bonus month 1",
         bonus_quote,
         {"2000", "5", "2000", "7", "", "12"},
         "ボーナス月１が未入力です",
         {2000, 5, 2000, 7, 0, 11},
         false},
        {"bonus month 2",
         bonus_quote,
         {"2000", "5", "2000", "7", "7", ""},
         "ボーナス月２が未入力です",
         {2000, 5, 2000, 7, 7, 0},
         false},
        // Without a bonus the bonus fields are neither read nor kept.
        {"no bonus",
         no_bonus_quote,
         {"2000", "5", "", "", "", ""},
         "",
         {2000, 5, 0, 0, 0, 0},
         true},
        // Entries read as leading integers.
        {"lenient",
         bonus_quote,
         {" 2000年", "+5x", "2000", "07", "7月", "12"},
         "",
         {2000, 5, 2000, 7, 7, 12},
         true},
        {"too many payments",
         long_quote,
         {"2001", "1", "2001", "6", "6", "12"},
         too_many_payments_message,
         {2001, 1, 2001, 6, 6, 12},
         false},
        // A month outside 1 to 12 stops where it is read and keeps nothing read before it.
        {"start month 0",
         bonus_quote,
         {"2016", "0", "", "", "", ""},
         month_out_of_range_message,
         {1997, 3, 1998, 9, 6, 11},
         false},
        {"start month 13",
         no_bonus_quote,
         {"2000", "13", "", "", "", ""},
         month_out_of_range_message,
         {1997, 3, 1998, 9, 6, 11},
         false},
        {"first bonus month",
         bonus_quote,
         {"2000", "5", "2000", "-7", "7", "12"},
         month_out_of_range_message,
         {1997, 3, 1998, 9, 6, 11},
         false},
        {"bonus month 1",
         bonus_quote,
         {"2000", "5", "2000", "7", "0", ""},
         month_out_of_range_message,
         {1997, 3, 1998, 9, 6, 11},
         false},
        {"bonus month 2",
         bonus_quote,
         {"2000", "5", "2000", "7", "7", "2147483647"},
         month_out_of_range_message,
         {1997, 3, 1998, 9, 6, 11},
         false},
        {"bonus months unread without a bonus",
         no_bonus_quote,
         {"2000", "1", "", "0", "13", ""},
         "",
         {2000, 1, 0, 0, 0, 0},
         true},
        // So does a year outside the calendar, start or first bonus.
        {"start year 1899",
         no_bonus_quote,
         {"1899", "12", "", "", "", ""},
         year_out_of_range_message,
         {1997, 3, 1998, 9, 6, 11},
         false},
        {"start year 2101",
         no_bonus_quote,
         {"2101", "1", "", "", "", ""},
         year_out_of_range_message,
         {1997, 3, 1998, 9, 6, 11},
         false},
        {"start year 0 before a missing month",
         no_bonus_quote,
         {"0", "", "", "", "", ""},
         year_out_of_range_message,
         {1997, 3, 1998, 9, 6, 11},
         false},
        {"first bonus year",
         bonus_quote,
         {"2000", "5", "2147483647", "7", "7", "12"},
         year_out_of_range_message,
         {1997, 3, 1998, 9, 6, 11},
         false},
        {"calendar's ends",
         no_bonus_quote,
         {"1900", "1", "", "", "", ""},
         "",
         {1900, 1, 0, 0, 0, 0},
         true},
        {"month before too many",
         long_quote,
         {"2001", "13", "2001", "6", "6", "12"},
         month_out_of_range_message,
         {1997, 3, 1998, 9, 6, 11},
         false},
        {"missing before too many",
         long_quote,
         {"2001", "", "2001", "6", "6", "12"},
         "返済開始月が未入力です",
         {2001, 0, 1998, 9, 6, 11},
         false},
    };
    for (const stop_case& c : cases) {
        SCOPED_TRACE(c.name);
        quote_record record = record_of(c.quote);
        record.start_year = 1997;
        record.start_month = 3;
        record.first_bonus_year = 1998;
        record.first_bonus_month = 9;
        record.bonus_month_1 = 6;
        record.bonus_month_2 = 11;
        const expansion out = expand(record, c.entered);
        EXPECT_EQ(out.message, c.message);
        const schedule_parameters& p = out.parameters;
        EXPECT_EQ(p.start_year, c.stored.start_year);
        EXPECT_EQ(p.start_month, c.stored.start_month);
        EXPECT_EQ(p.first_bonus_year, c.stored.first_bonus_year);
        EXPECT_EQ(p.first_bonus_month, c.stored.first_bonus_month);
        EXPECT_EQ(p.bonus_month_1, c.stored.bonus_month_1);
        EXPECT_EQ(p.bonus_month_2, c.stored.bonus_month_2);
        EXPECT_EQ(!out.rows.empty(), c.rows_built);
        EXPECT_EQ(out.lines.empty(), *c.message != '\0');
    }
}

TEST(expand, payment_counts_at_the_table_edges) {
    const struct {
        std::int32_t payment_count;
        std::size_t rows;
        const char* message;
    } cases[] = {{int_min, 1, ""},
                 {0, 1, ""},
                 {420, 421, ""},
                 {421, 0, too_many_payments_message},
                 {int_max, 0, too_many_payments_message}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.payment_count);
        const figures quote{4200000, c.payment_count, 10000, 10000, 0, 0, 0, 0, 1};
        const expansion out = expand(record_of(quote), {"2000", "1", "", "", "", ""});
        EXPECT_EQ(out.message, c.message);
        EXPECT_EQ(out.rows.size(), c.rows);
        EXPECT_EQ(out.lines.size(), *c.message == '\0' ? c.rows - 1 : 0);
    }
    const expansion longest = expand(record_of({4200000, 420, 10000, 10000, 0, 0, 0, 0, 1}),
                                     {"2000", "1", "", "", "", ""});
    EXPECT_EQ(longest.lines.back(), "420   2034/12         10,000             0");
}

struct calendar_case {
    const char* name;
    schedule_entries entered;
    std::int32_t payment_count;
    std::vector<std::pair<std::int32_t, std::int32_t>> year_months;  // rows 0, 1, ...
};

TEST(expand, months_roll_over_the_year) {
    const calendar_case cases[] = {
        {"december",
         {"2000", "12", "", "", "", ""},
         3,
         {{2000, 11}, {2000, 12}, {2001, 1}, {2001, 2}}},
        {"january", {"2000", "1", "", "", "", ""}, 2, {{2000, 0}, {2000, 1}, {2000, 2}}},
        {"last year", {"2100", "12", "", "", "", ""}, 2, {{2100, 11}, {2100, 12}, {2101, 1}}},
    };
    for (const calendar_case& c : cases) {
        SCOPED_TRACE(c.name);
        figures quote{0, c.payment_count, 0, 0, 0, 0, 0, 0, 2};
        const expansion out = expand(record_of(quote), c.entered);
        EXPECT_EQ(out.message, "");
        ASSERT_EQ(out.rows.size(), c.year_months.size());
        for (std::size_t i = 0; i < out.rows.size(); ++i) {
            EXPECT_EQ(out.rows[i].year, c.year_months[i].first) << "row " << i;
            EXPECT_EQ(out.rows[i].month, c.year_months[i].second) << "row " << i;
        }
    }
}

struct check_case {
    const char* name;
    figures quote;
    schedule_entries entered;
    const char* message;
};

TEST(expand, checks_against_the_calculation) {
    figures six_bonuses{600000, 36, 10000, 10000, 5000, 6, 3, 0, 1};
    figures deferred = bonus_quote;
    deferred.deferment_months = 4;
    figures second_cycle = deferred;
    second_cycle.cycle_mode = 2;
    figures unknown_cycle = deferred;
    unknown_cycle.cycle_mode = 0;
    figures no_bonus_counted = no_bonus_quote;
    no_bonus_counted.bonus_count = 1;
    figures no_bonus_deferred = no_bonus_quote;
    no_bonus_deferred.deferment_months = 1;
    const check_case cases[] = {
        // 36 payments from May 2000 meet July and December of 2000 to 2002; a first bonus in
        // December 2000 leaves 5 of them.
        {"bonus count passes", six_bonuses, {"2000", "5", "2000", "7", "7", "12"}, ""},
        {"bonus count",
         six_bonuses,
         {"2000", "5", "2000", "12", "7", "12"},
         "ボーナス回数は(5)回です。指定した回数(6)と異なります"},
        {"deferment", deferred, may_2000,
         "ボーナス据置月数は(3)ヶ月です。指定した月数(4)と異なります"},
        {"deferment not checked in second cycle", second_cycle, may_2000, ""},
        {"any cycle mode but 1 skips it", unknown_cycle, may_2000, ""},
        {"deferment before start is 0",
         bonus_quote,
         {"2000", "8", "2000", "7", "7", "12"},
         "ボーナス据置月数は(0)ヶ月です。指定した月数(3)と異なります"},
        {"no bonus, counted",
         no_bonus_counted,
         {"2000", "5", "", "", "", ""},
         "ボーナス回数は(0)回です。指定した回数(1)と異なります"},
        {"no bonus, deferred",
         no_bonus_deferred,
         {"2000", "5", "", "", "", ""},
         "ボーナス据置月数は(0)ヶ月です。指定した月数(1)と異なります"},
    };
    for (const check_case& c : cases) {
        SCOPED_TRACE(c.name);
        const expansion out = expand(record_of(c.quote), c.entered);
        EXPECT_EQ(out.message, c.message);
        EXPECT_FALSE(out.rows.empty());  // the table is built before either check
        EXPECT_EQ(out.lines.empty(), *c.message != '\0');
    }
}

TEST(expand, first_payment_in_a_bonus_month) {
    // Bonus in May, the first payment's month: the total method pays the bonus and what the
    // first payment carries beyond a later one; the add-on method pays both in full.
    figures quote{95000, 6, 15000, 14000, 10000, 1, 1, 0, 1};
    const schedule_entries entered{"2000", "5", "2000", "5", "5", "11"};
    EXPECT_EQ(expand(record_of(quote), entered).lines.front(),
              "  1   2000/05         25,000        70,000");
    quote.bonus_method = 1;
    const expansion total = expand(record_of(quote), entered);
    EXPECT_EQ(total.rows[1].regular_payment, 1000);
    EXPECT_EQ(total.lines.front(), "  1   2000/05         11,000        84,000");
}

TEST(expand, extreme_entries_stay_defined) {
    const figures quote{int_max, 420, int_min, int_max, int_max, 0, 0, 1, 1};
    const expansion out = expand(record_of(quote), {"1900", "12", "2100", "1", "1", "12"});
    EXPECT_EQ(out.message, "ボーナス据置月数は(2390)ヶ月です。指定した月数(0)と異なります");
    ASSERT_EQ(out.rows.size(), 421u);
}

}  // namespace
}  // namespace carloan
