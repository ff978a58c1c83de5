// A clerk's session with the installed program, run by packaging/windows/installer_test from the
// program folder (which the clerk may not write), with the installed copy's DLLs and plugins, as
// the Start-menu entry starts carloan.exe there. The real window and dialogs, started as
// the program starts them, on the minimal platform the installed copy carries:
//   clerk_session --gtest_filter=clerk.first_start   初期登録 saves; a quote is saved
//   clerk_session --gtest_filter=clerk.restart       both come back; an earlier quote is listed
// The branch name and the figures are the ones installer_test checks in the PDFs.

#include "app/main_window.h"
#include "app/session_start.h"
#include "storage/earlier_quotes_notice.h"
#include "ui/message_box.h"
#include "ui/session.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>

namespace carloan {
namespace {

const QStringList inputs = {"9.9", "36", "1,000,000", "", "", "", ""};
constexpr int input_controls[] = {main_control::rate,         main_control::payment_count,
                                  main_control::net_balance,  main_control::skip_months,
                                  main_control::bonus_amount, main_control::bonus_count,
                                  main_control::deferment};

template <typename Widget>
Widget* named(QWidget* root, const QString& name) {
    for (Widget* widget : root->findChildren<Widget*>()) {
        if (widget->accessibleName() == name || widget->objectName() == name) {
            return widget;
        }
    }
    ADD_FAILURE() << "no widget " << name.toStdString();
    return nullptr;
}

// Runs `act` inside the next modal dialog, which it must end.
void when_modal(std::function<void(QWidget*)> act) {
    QWidget* before = QApplication::activeModalWidget();
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [=] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != before) {
            act(modal);
        } else if (timer->elapsed() > 20000) {
            ADD_FAILURE() << "no dialog appeared";
        } else {
            QTimer::singleShot(10, *poll);
        }
    };
    QTimer::singleShot(0, *poll);
}

class clerk : public ::testing::Test {
  protected:
    void SetUp() override {
        set_message_hook([](const message_request& request) {
            ADD_FAILURE() << "message box [" << request.caption.toStdString()
                          << "]: " << request.text.toStdString();
            return request.default_answer;
        });
        tell_quotes_left(nullptr, start_session(session));
        window = std::make_unique<main_window>(session);
        window->show();
    }

    void settings_dialog(std::function<void(QWidget*)> act) {
        when_modal(std::move(act));
        named<QAbstractButton>(window.get(), "settings_button")->click();
    }

    session_state session;
    std::unique_ptr<main_window> window;
};

TEST_F(clerk, first_start) {
    settings_dialog([](QWidget* dialog) {
        named<QLineEdit>(dialog, "支店名称")->setText("Clerk Branch");
        named<QPushButton>(dialog, "update_button")->click();
        named<QPushButton>(dialog, "close_button")->click();
    });
    for (int i = 0; i < 7; ++i) {
        window->field(input_controls[i])->setText(inputs[i]);
    }
    // The first payment month, as the schedule dialog keeps it, so the schedule can be listed.
    session.record.start_year = 2027;
    session.record.start_month = 4;
    when_modal([](QWidget* dialog) {
        named<QLineEdit>(dialog, "name_field")->setText("clerk");
        named<QPushButton>(dialog, "save_button")->click();
    });
    named<QAbstractButton>(window.get(), "save_button")->click();
    EXPECT_EQ(window->windowTitle(), "clerk.car");
}

TEST_F(clerk, restart) {
    settings_dialog([](QWidget* dialog) {
        EXPECT_EQ(named<QLineEdit>(dialog, "支店名称")->text(), "Clerk Branch");
        named<QPushButton>(dialog, "close_button")->click();
    });
    QStringList listed;
    when_modal([&](QWidget* dialog) {
        auto* list = named<QListWidget>(dialog, "file_list");
        for (int row = 0; row < list->count(); ++row) {
            listed << list->item(row)->text();
        }
        list->setCurrentRow(static_cast<int>(listed.indexOf("clerk.car")));
        named<QPushButton>(dialog, "ok_button")->click();
    });
    named<QAbstractButton>(window.get(), "open_button")->click();
    EXPECT_EQ(listed.join(' ').toStdString(), "clerk.car earlier.car");
    EXPECT_EQ(window->windowTitle(), "clerk.car");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(window->field(input_controls[i])->text(), inputs[i]);
    }
    EXPECT_FALSE(window->field(main_control::later_payment)->text().isEmpty());
}

}  // namespace
}  // namespace carloan

int main(int argc, char** argv) {
    // The platform the installed copy carries for work without a window.
    qputenv("QT_QPA_PLATFORM", "minimal:enable_fonts");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
