#include "schedule/schedule_csv.h"

#include "csv_reader.h"
#include "schedule/expand.h"
#include "schedule/schedule_page.h"

#include <gtest/gtest.h>

#include <climits>

namespace carloan {
namespace {

// The worked six-payment quote from May 2000 with a bonus in July, in both bonus methods.
TEST(schedule_csv, reads_back_as_the_listed_rows) {
    for (const std::int32_t method : {0, 1}) {
        quote_record r{};
        r.loan_amount = method == 1 ? 81000 : 95000;
        r.payment_count = 6;
        r.first_payment = 15000;
        r.later_payment = 14000;
        r.bonus_payment = 10000;
        r.bonus_count = 1;
        r.deferment_months = 3;
        r.bonus_method = method;
        r.cycle_mode = 1;
        const expansion listed = expand(r, {"2000", "5", "2000", "7", "7", "12"});
        const std::string csv = schedule_csv(payment_rows(listed.rows));
        const auto read = testing::read_schedule_csv(csv);
        ASSERT_EQ(read.size(), 6u) << method;
        for (std::size_t k = 1; k <= 6; ++k) {
            EXPECT_EQ(read[k - 1], testing::csv_payment_of(k, listed.rows[k])) << method;
        }
        EXPECT_NE(csv.find("\r\n3,2000/07,"), std::string::npos) << "months keep two digits";
    }
}

TEST(schedule_csv, writes_plain_integers_at_the_edges) {
    struct row {
        schedule_row payment;
        const char* line;
    } rows[] = {
        {{2001, 1, 14000, 0, 0}, "1,2001/01,14000,0,0\r\n"},
        {{2000, 12, 500, 0, -500}, "1,2000/12,500,0,-500\r\n"},
        // The month's payment is summed wide, as the list does, never wrapped.
        {{2000, 7, INT_MAX, INT_MAX, INT_MIN}, "1,2000/07,4294967294,2147483647,-2147483648\r\n"},
    };
    const std::string head = schedule_csv({});
    EXPECT_TRUE(testing::read_schedule_csv(head).empty());
    for (const row& r : rows) {
        EXPECT_EQ(schedule_csv(std::span(&r.payment, 1)), head + r.line);
    }
}

}  // namespace
}  // namespace carloan
