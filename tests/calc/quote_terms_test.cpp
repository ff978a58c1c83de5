#include "calc/quote_terms.h"

#include <gtest/gtest.h>

#include <string>

namespace carloan {
namespace {

// What calculate's tests cannot see: the terms are read whole even past a message, which the
// searches rely on to judge the bonuses as typed.
TEST(read_terms, reads_every_field_even_past_a_message) {
    const current_flags second_cycle{0, 2};
    struct row {
        calc_inputs inputs;
        current_flags flags;
        std::int32_t deferment;
        double booked_periods;
        double booked_deferment;
        std::string message;
    } rows[] = {
        {{"9.9", "60", "1,000,000", "", "50,000", "10"}, {}, 1, 60, 1, ""},
        {{"9.9", "60", "1,000,000", "", "50,000", "10"}, second_cycle, 1, 61, 2, ""},
        {{"9.9", "36", "1,000,000", "", "", "", "6"}, second_cycle, 0, 37, 0, ""},
        {{"", "36", "", "", "", "3", "6"}, {}, 6, 36, 6, "実質年率が未入力です"},
        {{"9.9", "36", "1", "", "", "", "-1"}, {}, 0, 36, 0, "据置月数が範囲外です"},
        {{"9.9", "2147483647", "1", "", "1", "1", "2147483647"},
         second_cycle,
         2147483647,
         2147483648.0,
         2147483648.0,
         ""},
    };
    for (const row& r : rows) {
        const terms_reading reading = read_terms(r.inputs, r.flags);
        SCOPED_TRACE(r.inputs.payment_count_text + " " + r.inputs.deferment_text);
        EXPECT_EQ(reading.terms.payment_count, std::stoi(r.inputs.payment_count_text));
        EXPECT_EQ(reading.terms.deferment, r.deferment);
        EXPECT_EQ(reading.terms.booked_periods, r.booked_periods);
        EXPECT_EQ(reading.terms.booked_deferment, r.booked_deferment);
        EXPECT_EQ(reading.message ? reading.message : "", r.message);
    }
}

}  // namespace
}  // namespace carloan
