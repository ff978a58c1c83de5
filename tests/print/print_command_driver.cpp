// Runs the program's print command once, headless, as a clerk would: types a quote into the main
// window, presses 印刷, confirms with a customer name and OK, and prints on whatever printer the
// system offers. Tells on standard output what the clerk would have seen: each message box and
// the final status text. Driven by cups_end_to_end.sh, which gives it a private print server.

#include "app/main_window.h"
#include "print/print_confirmation_dialog.h"
#include "text/cp932.h"
#include "ui/message_box.h"
#include "ui/session.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <iostream>

namespace {

template <class widget>
widget* find_by(QWidget* parent, bool (*matches)(widget*)) {
    for (widget* candidate : parent->findChildren<widget*>()) {
        if (matches(candidate)) {
            return candidate;
        }
    }
    return nullptr;
}

// Answers the print confirmation as soon as it is up.
void confirm_when_shown() {
    auto* dialog =
        dynamic_cast<carloan::print_confirmation_dialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) {
        QTimer::singleShot(10, confirm_when_shown);
        return;
    }
    find_by<QLineEdit>(dialog, [](QLineEdit* field) {
        return field->accessibleName() == "お客様名";
    })->setText("山田");
    find_by<QPushButton>(dialog, [](QPushButton* button) {
        return button->text() == "OK";
    })->click();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    carloan::set_message_hook([](const carloan::message_request& request) {
        std::cout << "message\t" << request.caption.toStdString() << '\t'
                  << request.text.toStdString() << '\n';
        return request.default_answer;
    });

    carloan::session_state session;
    carloan::write_slot(session.settings.branch_name,
                        carloan::utf8_to_cp932("中央支店").value_or(""));
    carloan::main_window window(session);
    window.show();
    window.field(carloan::main_control::rate)->setText("9.9");
    window.field(carloan::main_control::payment_count)->setText("36");
    window.field(carloan::main_control::net_balance)->setText("1,000,000");

    QTimer::singleShot(0, confirm_when_shown);
    window.findChild<QPushButton*>("print_button")->click();
    std::cout << "status\t" << window.findChild<QLabel*>("status_label")->text().toStdString()
              << '\n';
    return 0;
}
