// Runs the print command once, headless, against whatever printer the system offers, and tells
// on standard output what the clerk would have seen: each message box and the final status.
// Driven by cups_end_to_end.sh, which gives it a private print server.

#include "app/message_box.h"
#include "app/session.h"
#include "print/print_estimate.h"
#include "text/cp932.h"

#include <QApplication>

#include <iostream>

namespace {

template <std::size_t size>
void put(char (&slot)[size], const char* utf8) {
    carloan::write_slot(slot, carloan::utf8_to_cp932(utf8).value_or(""));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    carloan::set_message_hook([](QWidget*, const QString& caption, const QString& text) {
        std::cout << "message\t" << caption.toStdString() << '\t' << text.toStdString() << '\n';
    });

    carloan::session_state session;
    carloan::quote_record& record = session.record;
    put(record.rate_text, "9.9");
    record.net_balance = 1000000;
    record.loan_fee = 159900;
    record.loan_amount = 1159900;
    record.payment_count = 36;
    record.first_payment = 32900;
    record.later_payment = 32200;
    record.later_count = 35;
    put(record.customer_name, "山田");
    put(session.settings.branch_name, "中央支店");

    carloan::print_estimate(nullptr, session);
    std::cout << "status\t印刷が終了しました。\n";
    return 0;
}
