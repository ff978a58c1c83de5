#include "schedule/schedule_printout.h"

#include "print/pdf_words.h"
#include "schedule/expand.h"
#include "text/cp932.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace carloan {
namespace {

// The longest schedule: 420 payments from May 2024, 70 bonuses in July and December, for 山田.
TEST(schedule_printout, every_page_of_the_longest_schedule_stands_where_it_is_laid_out) {
    quote_record r{};
    r.net_balance = 5000000;
    r.loan_fee = 9159000;
    r.loan_amount = 14159000;
    r.payment_count = 420;
    r.first_payment = 36000;
    r.later_payment = 17000;
    r.later_count = 419;
    r.bonus_payment = 100000;
    r.bonus_count = 70;
    r.deferment_months = 3;
    r.cycle_mode = 1;
    write_slot(r.customer_name, utf8_to_cp932("山田").value());
    const expansion listed = expand(r, {"2024", "5", "2024", "7", "7", "12"});
    ASSERT_EQ(listed.message, "");
    constexpr local_time print_day{2024, 4, 26};

    QTemporaryDir folder;
    const QString path = folder.filePath("schedule.pdf");
    ASSERT_TRUE(write_schedule_pdf(path, r, payment_rows(listed.rows), print_day));
    EXPECT_EQ(testing::pdf_info(path, "Pages"), "10");
    EXPECT_EQ(testing::pdf_info(path, "Title"), "ご返済明細");
    const auto pages = schedule_pages(r, payment_rows(listed.rows), print_day);
    const std::vector<testing::pdf_word> words = testing::pdf_words(path);
    for (std::size_t n = 0; n < pages.size(); ++n) {
        testing::expect_drawn_at(words, static_cast<int>(n), pages[n]);
    }
}

}  // namespace
}  // namespace carloan
