#include "schedule/schedule_printout.h"

#include "gui_support.h"
#include "print/pdf_words.h"
#include "schedule/expand.h"
#include "text/cp932.h"

#include <gtest/gtest.h>
#include <QPrinter>
#include <QTemporaryDir>

#include <memory>

namespace carloan {
namespace {

using testing::pdf_info;

constexpr local_time print_day{2024, 4, 26, 10, 0, 0};

// 420 payments from May 2024 with 70 bonuses in July and December, for 山田.
quote_record longest_quote() {
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
    return r;
}

TEST(schedule_printout, every_page_of_the_longest_schedule_stands_where_it_is_laid_out) {
    const quote_record record = longest_quote();
    const expansion listed = expand(record, {"2024", "5", "2024", "7", "7", "12"});
    ASSERT_EQ(listed.message, "");
    const auto pages = schedule_pages(record, payment_rows(listed.rows), print_day);
    ASSERT_EQ(pages.size(), 11u);

    QTemporaryDir folder;
    const QString saved = folder.filePath("schedule.pdf");
    ASSERT_TRUE(write_schedule_pdf(saved, record, payment_rows(listed.rows), print_day));
    EXPECT_EQ(pdf_info(saved, "Pages"), "11");
    EXPECT_EQ(pdf_info(saved, "Title"), "ご返済明細");
    const std::vector<testing::pdf_word> words = testing::pdf_words(saved);
    for (std::size_t n = 0; n < pages.size(); ++n) {
        testing::expect_drawn_at(words, static_cast<int>(n), pages[n]);
    }

    // The printer gets the same number of pages as one document.
    const QString printed = folder.filePath("printed.pdf");
    print_platform printer = system_print_platform();
    printer.default_printer_name = [] { return QStringLiteral("office"); };
    printer.open_printer = [&printed](const QString&) {
        auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
        pdf->setOutputFormat(QPrinter::PdfFormat);
        pdf->setOutputFileName(printed);
        return pdf;
    };
    set_print_platform(printer);
    print_schedule(nullptr, record, payment_rows(listed.rows));
    set_print_platform(system_print_platform());
    EXPECT_EQ(pdf_info(printed, "Pages"), "11");
}

}  // namespace
}  // namespace carloan
