#include "schedule/schedule_csv.h"

#include "csv_reader.h"
#include "schedule/expand.h"
#include "schedule/schedule_page.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace carloan {
namespace {

using testing::csv_payment;
using testing::csv_payment_of;
using testing::read_schedule_csv;

// The worked six-payment quote from May 2000 with a bonus in July, in both bonus methods.
quote_record worked_quote(std::int32_t bonus_method) {
    quote_record r{};
    r.loan_amount = bonus_method == 1 ? 81000 : 95000;
    r.payment_count = 6;
    r.first_payment = 15000;
    r.later_payment = 14000;
    r.bonus_payment = 10000;
    r.bonus_count = 1;
    r.deferment_months = 3;
    r.bonus_method = bonus_method;
    r.cycle_mode = 1;
    return r;
}

TEST(schedule_csv, reads_back_as_the_listed_rows) {
    for (const std::int32_t method : {0, 1}) {
        SCOPED_TRACE(method);
        const expansion listed =
            expand(worked_quote(method), {"2000", "5", "2000", "7", "7", "12"});
        ASSERT_EQ(listed.message, "");
        const std::string csv = schedule_csv(payment_rows(listed.rows));
        const std::vector<csv_payment> read = read_schedule_csv(csv);
        ASSERT_EQ(read.size(), 6u);
        for (std::size_t k = 1; k <= 6; ++k) {
            EXPECT_EQ(read[k - 1], csv_payment_of(static_cast<std::int64_t>(k), listed.rows[k]));
            // What a spreadsheet sums: each balance is the one before less the month's payment.
            EXPECT_EQ(read[k - 1].balance, listed.rows[k - 1].balance - read[k - 1].paid);
        }
        EXPECT_NE(csv.find("\r\n3,2000/07,"), std::string::npos) << "months keep two digits";
    }
}

TEST(schedule_csv, writes_plain_integers_at_the_edges) {
    struct row {
        const char* what;
        schedule_row payment;
        const char* line;
    } rows[] = {
        {"January", {2001, 1, 14000, 0, 0}, "1,2001/01,14000,0,0\r\n"},
        {"negative balance", {2000, 12, 500, 0, -500}, "1,2000/12,500,0,-500\r\n"},
        {"parts summed without wrapping",
         {2000, 7, INT_MAX, INT_MAX, INT_MIN},
         "1,2000/07,4294967294,2147483647,-2147483648\r\n"},
    };
    const std::string head = schedule_csv({});
    EXPECT_EQ(read_schedule_csv(head).size(), 0u);
    for (const row& r : rows) {
        EXPECT_EQ(schedule_csv(std::span(&r.payment, 1)), head + r.line) << r.what;
    }
}

}  // namespace
}  // namespace carloan
