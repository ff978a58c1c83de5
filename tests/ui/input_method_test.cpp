// The input-method routing of the dialogs that take Japanese text, watched through a recording
// switch: which dialog asked for what, in order.

#include "ui/input_method.h"
#include "app/main_window.h"
#include "gui_support.h"
#include "print/print_confirmation_dialog.h"
#include "storage/branch_settings_dialog.h"
#include "ui/session.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

namespace carloan {
namespace {

class input_method_test : public ::testing::Test {
  protected:
    void SetUp() override {
        set_input_method_switch([this](QWidget*, bool on) { calls.push_back(on ? "on" : "off"); });
    }
    void TearDown() override { set_input_method_switch({}); }

    std::vector<std::string> calls;
    session_state session;
    QTemporaryDir folder;
};

TEST_F(input_method_test, branch_settings_fields_switch_it_on_but_the_telephone_never_does) {
    branch_settings_dialog dialog(session, nullptr, (folder.path() + "/car.ini").toStdString());
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTRY_COMPARE(QApplication::focusWidget(), dialog.field(1005));
    EXPECT_EQ(calls, (std::vector<std::string>{"on"}));  // opens in the branch name

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), dialog.field(1006));
    EXPECT_EQ(calls, (std::vector<std::string>{"on", "off"}));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), dialog.field(1007));
    EXPECT_EQ(calls, (std::vector<std::string>{"on", "off", "off", "on"}));

    EXPECT_FALSE(dialog.field(1006)->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_TRUE(dialog.field(1007)->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(input_method_test, print_confirmation_opens_with_it_on_and_a_button_closes_it) {
    print_confirmation_dialog dialog(nullptr, session);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTRY_VERIFY(qobject_cast<QLineEdit*>(QApplication::focusWidget()) != nullptr);
    EXPECT_EQ(calls, (std::vector<std::string>{"on"}));

    // Every text field takes Japanese: customer name to remark 1 closes and reopens it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(calls, (std::vector<std::string>{"on", "off", "on"}));

    QWidget* button = dialog.findChild<QPushButton*>("ok_button");
    ASSERT_NE(button, nullptr);
    button->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(calls, (std::vector<std::string>{"on", "off", "on", "off"}));
}

TEST_F(input_method_test, focus_moving_in_the_main_window_switches_nothing) {
    main_window window(session);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_TRUE(calls.empty());
}

TEST_F(input_method_test, each_dialog_names_its_japanese_fields) {
    branch_settings_dialog branch(session, nullptr, (folder.path() + "/car.ini").toStdString());
    print_confirmation_dialog print(nullptr, session);
    const auto* branch_router = branch.findChild<input_method_router*>();
    const auto* print_router = print.findChild<input_method_router*>();
    ASSERT_NE(branch_router, nullptr);
    ASSERT_NE(print_router, nullptr);
    struct row {
        const input_method_router* router;
        int control;
        bool japanese;
    } rows[] = {
        {branch_router, 1005, true}, {branch_router, 1006, false}, {branch_router, 1007, true},
        {branch_router, 1011, true}, {branch_router, 1033, false}, {print_router, 1005, true},
        {print_router, 1009, true},  {print_router, 1010, false},  {print_router, 1, false},
    };
    for (const row& r : rows) {
        EXPECT_EQ(r.router->takes_japanese(r.control), r.japanese) << r.control;
    }
}

}  // namespace
}  // namespace carloan
