// The main window driven as a clerk drives it: typing, Tab, clicks and Enter. The dialogs and
// file operations behind the buttons are replaced by recorders, so these tests see exactly what
// the window does around them.

#include "app/main_window.h"
#include "gui_support.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/session.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstring>
#include <string>
#include <vector>

namespace carloan {
namespace {

using ::testing::ElementsAre;
using testing::message_recorder;

std::string cp932(const char* utf8) {
    return *utf8_to_cp932(utf8);
}

class main_window_test : public ::testing::Test {
  protected:
    void SetUp() override {
        steps.schedule_dialog = [this](QWidget*, session_state&) { calls.push_back("schedule"); };
        steps.print_confirmation_dialog = [this](QWidget*, session_state&) {
            calls.push_back("confirm");
            return confirm_print;
        };
        steps.print = [this](QWidget*, const session_state&) {
            calls.push_back("print:" + status().toStdString());
            return print_works;
        };
        steps.save_name_dialog = [this](QWidget*, session_state& state) {
            calls.push_back("name");
            state.quote_name = chosen_name;
            state.quote_path = "/quotes/" + chosen_name;
        };
        steps.open_dialog = [this](QWidget*, session_state& state) {
            calls.push_back("choose");
            state.quote_name = chosen_name;
            state.quote_path = "/quotes/" + chosen_name;
        };
        steps.branch_settings_dialog = [this](QWidget*, session_state&) {
            calls.push_back("settings");
        };
        steps.save = [this](const std::filesystem::path& path, const quote_record& record,
                            const quote_extension&) {
            calls.push_back("save " + path.string());
            saved = record;
            return file_works;
        };
        steps.open = [this](const std::filesystem::path& path, quote_record& record,
                            quote_extension&, std::string&) {
            calls.push_back("open " + path.string());
            if (file_works) {
                record = stored;
            }
            return file_works;
        };
        window = std::make_unique<main_window>(session, steps);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QLineEdit* named(const QString& accessible_name) const {
        for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
            if (field->accessibleName() == accessible_name) {
                return field;
            }
        }
        ADD_FAILURE() << "no field named " << accessible_name.toStdString();
        return nullptr;
    }
    template <class Widget = QWidget>
    Widget* object(const char* name) const {
        auto* widget = window->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString label(const char* name) const { return object<QLabel>(name)->text(); }
    QString status() const { return label("status_label"); }
    void click(const char* button) { QTest::mouseClick(object(button), Qt::LeftButton); }

    // Clicks into the field, as a clerk does, and types after what it holds; Japanese text
    // arrives as the input method commits it.
    void type(const QString& field, const QString& text) {
        QLineEdit* line = named(field);
        QTest::mouseClick(line, Qt::LeftButton);
        QTest::keyClick(line, Qt::Key_End);
        for (const QChar character : text) {
            if (character.unicode() < 0x80) {
                QTest::keyClick(line, character.toLatin1());
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(character);
                QApplication::sendEvent(line, &commit);
            }
        }
    }
    void press_enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

    void type_first_example() {
        type(QStringLiteral("実質年率（％）"), QStringLiteral("9.9"));
        type(QStringLiteral("返済回数"), QStringLiteral("36"));
        type(QStringLiteral("差引残高（円）"), QStringLiteral("1000000"));
    }

    message_recorder messages;
    session_state session;
    main_window_steps steps;
    std::unique_ptr<main_window> window;
    std::vector<std::string> calls;
    bool confirm_print = true;
    bool print_works = true;
    bool file_works = true;
    std::string chosen_name = "ABC.car";
    quote_record saved{};
    quote_record stored{};
};

TEST_F(main_window_test, starts_as_a_new_quote) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("新規"));
    EXPECT_EQ(label("bonus_amount_label"), QStringLiteral("ボーナス加算額"));
    EXPECT_EQ(label("bonus_payment_label"), QStringLiteral("ボーナス月加算 ＝"));
    EXPECT_EQ(object<QAbstractButton>("method_toggle")->text(),
              QStringLiteral("ボーナス月加算方式"));
    EXPECT_EQ(label("cycle_label"), QStringLiteral("第一サイクル計上"));
    EXPECT_EQ(status(), QString());
    EXPECT_EQ(object<QLabel>("status_label")->accessibleDescription(), QStringLiteral("状態"));
    EXPECT_EQ(QApplication::focusWidget(), named(QStringLiteral("実質年率（％）")));
    EXPECT_TRUE(object<QPushButton>("calculate_button")->isDefault());
}

// The window's icon is kept as raw pixels beside the drawn PNGs; they must not drift apart.
TEST_F(main_window_test, window_icon_is_the_drawn_icon) {
    for (const int size : {16, 32, 48}) {
        const QImage shown = window->windowIcon().pixmap(size, size).toImage();
        const QImage drawn(QStringLiteral(CARLOAN_ICON_FOLDER "/carloan-%1.png").arg(size));
        ASSERT_FALSE(drawn.isNull()) << size;
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied))
            << size;
    }
}

TEST_F(main_window_test, every_field_answers_to_its_control_number_and_name) {
    const struct {
        int control;
        const char* name;
        bool input;
    } cases[] = {
        {1005, "実質年率（％）", true},  {1006, "返済回数", true},
        {1007, "差引残高（円）", true},  {1020, "スキップ月数", true},
        {1008, "ボーナス加算額", true},  {1009, "ボーナス回数", true},
        {1010, "据置月数", true},        {1011, "融資手数料", false},
        {1012, "融資額", false},         {1013, "１回目", false},
        {1014, "２回目以降", false},     {1026, "２回目以降の回数", false},
        {1027, "ボーナス月加算", false}, {1028, "ボーナス月の回数", false},
        {1032, "Ｓ１均等比較", false},
    };
    for (const auto& c : cases) {
        QLineEdit* field = window->field(c.control);
        ASSERT_NE(field, nullptr) << c.control;
        EXPECT_EQ(field->accessibleName(), QString::fromUtf8(c.name)) << c.control;
        EXPECT_EQ(field->isReadOnly(), !c.input) << c.control;
        EXPECT_EQ(field->accessibleDescription(), c.input ? QString() : QStringLiteral("計算結果"))
            << c.control;
    }
}

TEST_F(main_window_test, tab_runs_through_the_inputs_then_the_buttons) {
    QStringList visited;
    for (int i = 0; i < 19; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, QStringList({"rate_field", "payment_count_field", "net_balance_field",
                                    "skip_months_field", "bonus_amount_field", "bonus_count_field",
                                    "deferment_field", "cycle_toggle", "method_toggle",
                                    "calculate_button", "save_button", "quit_button", "open_button",
                                    "print_button", "settings_button", "schedule_button",
                                    "plans_button", "residual_button", "rate_field"}));
}

TEST_F(main_window_test, first_example_end_to_end) {
    session.table[3].balance = 77;
    type_first_example();
    press_enter();

    EXPECT_TRUE(messages.messages.empty());
    const struct {
        const char* field;
        const char* shown;
    } outputs[] = {
        {"融資手数料", "       159,900"}, {"融資額", "     1,159,900"},
        {"１回目", "        32,900"},     {"２回目以降", "        32,200"},
        {"２回目以降の回数", "   35"},    {"ボーナス月加算", "             0"},
        {"ボーナス月の回数", "    0"},    {"Ｓ１均等比較", "       0"},
    };
    for (const auto& output : outputs) {
        EXPECT_EQ(named(QString::fromUtf8(output.field))->text(), QString::fromUtf8(output.shown))
            << output.field;
    }
    EXPECT_EQ(session.record.loan_fee, 159900);
    EXPECT_EQ(session.record.loan_amount, 1159900);
    EXPECT_EQ(session.record.first_payment, 32900);
    EXPECT_EQ(session.record.later_payment, 32200);
    EXPECT_EQ(session.record.later_count, 35);
    EXPECT_STREQ(session.record.rate_text, "9.9");
    EXPECT_EQ(session.table[3].balance, 0);
}

// The toggles reach the calculation only through the flags they set.
TEST_F(main_window_test, toggles_choose_how_the_quote_is_booked) {
    const struct {
        const char* toggle;
        const char* inputs[7];
        const char* fee;
        const char* comparison;
    } cases[] = {
        {"cycle_toggle", {"9.9", "36", "1,000,000", "", "", "", ""}, "       164,500", "   4,600"},
        {"method_toggle",
         {"9.9", "60", "2,000,000", "", "90000", "10", "6"},
         "       552,616",
         "   8,816"},
    };
    for (const auto& c : cases) {
        session_state fresh;
        main_window clerk_window(fresh, steps);
        for (int i = 0; i < 7; ++i) {
            const int input[] = {1005, 1006, 1007, 1020, 1008, 1009, 1010};
            clerk_window.field(input[i])->setText(QString::fromUtf8(c.inputs[i]));
        }
        clerk_window.findChild<QAbstractButton*>(QString::fromLatin1(c.toggle))->click();
        clerk_window.findChild<QAbstractButton*>(QStringLiteral("calculate_button"))->click();

        EXPECT_EQ(clerk_window.field(main_control::loan_fee)->text(), QString::fromUtf8(c.fee));
        EXPECT_EQ(clerk_window.field(main_control::comparison)->text(),
                  QString::fromUtf8(c.comparison));
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(main_window_test, each_toggle_click_flips_its_flag_and_labels) {
    click("method_toggle");
    EXPECT_EQ(session.flags.bonus_method, 1);
    EXPECT_EQ(label("bonus_amount_label"), QStringLiteral("ボーナス月返済"));
    EXPECT_EQ(label("bonus_payment_label"), QStringLiteral("ボーナス月返済 ＝"));
    EXPECT_EQ(object<QAbstractButton>("method_toggle")->text(),
              QStringLiteral("ボーナス月総額方式"));
    EXPECT_EQ(window->field(1008)->accessibleName(), QStringLiteral("ボーナス月返済"));
    EXPECT_EQ(window->field(1027)->accessibleName(), QStringLiteral("ボーナス月返済"));
    click("cycle_toggle");
    EXPECT_EQ(session.flags.cycle_mode, 2);
    EXPECT_EQ(label("cycle_label"), QStringLiteral("第二サイクル計上"));

    click("method_toggle");
    click("cycle_toggle");
    EXPECT_EQ(session.flags.bonus_method, 0);
    EXPECT_EQ(session.flags.cycle_mode, 1);
    EXPECT_EQ(label("bonus_amount_label"), QStringLiteral("ボーナス加算額"));
    EXPECT_EQ(label("bonus_payment_label"), QStringLiteral("ボーナス月加算 ＝"));
    EXPECT_EQ(object<QAbstractButton>("method_toggle")->text(),
              QStringLiteral("ボーナス月加算方式"));
    EXPECT_EQ(window->field(1008)->accessibleName(), QStringLiteral("ボーナス加算額"));
    EXPECT_EQ(window->field(1027)->accessibleName(), QStringLiteral("ボーナス月加算"));
    EXPECT_EQ(label("cycle_label"), QStringLiteral("第一サイクル計上"));
    EXPECT_TRUE(messages.messages.empty()) << "a toggle does not calculate";
}

TEST_F(main_window_test, only_the_amount_fields_are_reformatted_when_left) {
    const struct {
        const char* field;
        const char* typed;
        const char* left;
    } cases[] = {
        {"差引残高（円）", "1000000", "     1,000,000"},
        {"差引残高（円）", "1,000,000", "     1,000,000"},
        {"差引残高（円）", "-2500", "        -2,500"},
        {"ボーナス加算額", "50000", "        50,000"},
        {"差引残高（円）", "150万", "     1,500,000"},
        {"ボーナス加算額", "3.5万", "        35,000"},
        {"差引残高（円）", "1.23456万", "1.23456万"},  // no whole yen: left for the calculation
        {"差引残高（円）", "", ""},
        {"ボーナス加算額", "", ""},
        {"実質年率（％）", "1000000", "1000000"},
        {"返済回数", "1000", "1000"},
        {"スキップ月数", "1000", "1000"},
    };
    for (const auto& c : cases) {
        QLineEdit* field = named(QString::fromUtf8(c.field));
        field->clear();
        type(QString::fromUtf8(c.field), QString::fromUtf8(c.typed));
        EXPECT_EQ(field->text(), QString::fromUtf8(c.typed)) << "not while typing";
        QTest::keyClick(field, Qt::Key_Tab);
        EXPECT_EQ(field->text(), QString::fromUtf8(c.left)) << c.field << " " << c.typed;
    }
}

TEST_F(main_window_test, inputs_refuse_characters_a_quote_file_cannot_hold) {
    type(QStringLiteral("実質年率（％）"), QStringLiteral("9한.9"));
    EXPECT_EQ(named(QStringLiteral("実質年率（％）"))->text(), QStringLiteral("9.9"));
}

TEST_F(main_window_test, a_missing_input_is_reported_and_changes_no_output) {
    type_first_example();
    press_enter();
    session.table[0].year = 2026;
    named(QStringLiteral("実質年率（％）"))->clear();
    click("calculate_button");

    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, QStringLiteral("Tavri"));
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("実質年率が未入力です"));
    EXPECT_EQ(named(QStringLiteral("融資手数料"))->text(), QStringLiteral("       159,900"));
    EXPECT_EQ(session.record.loan_fee, 159900);
    EXPECT_EQ(session.table[0].year, 0) << "a missing input still empties the table";
}

// Unlike a missing input, a quote out of range leaves the repayment table as well.
TEST_F(main_window_test, an_input_out_of_range_is_reported_and_changes_nothing) {
    type_first_example();
    press_enter();
    session.table[0].year = 2026;
    named(QStringLiteral("返済回数"))->setText(QStringLiteral("0"));
    click("calculate_button");

    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("支払回数が範囲外です"));
    EXPECT_EQ(named(QStringLiteral("融資手数料"))->text(), QStringLiteral("       159,900"));
    EXPECT_EQ(session.record.payment_count, 36);
    EXPECT_EQ(session.table[0].year, 2026);
}

// 万 is ten thousand also when the quote is asked for straight from the field; one that names no
// whole number of yen is refused rather than read as its leading digits.
TEST_F(main_window_test, man_in_an_amount_is_ten_thousand_or_refused) {
    const struct {
        const char* balance;
        const char* bonus;
        const char* loan_amount;
        const char* message;
    } cases[] = {
        {"100万", "", "     1,159,900", ""},
        {"1.23456万", "", "", "差引残高が範囲外です"},
        {"100万", "1万2万", "", "ボーナス加算額が範囲外です"},
    };
    for (const auto& c : cases) {
        window = std::make_unique<main_window>(session = {}, steps);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        messages.messages.clear();
        type(QStringLiteral("実質年率（％）"), QStringLiteral("9.9"));
        type(QStringLiteral("返済回数"), QStringLiteral("36"));
        type(QStringLiteral("差引残高（円）"), QString::fromUtf8(c.balance));
        if (*c.bonus != '\0') {
            named(QStringLiteral("ボーナス加算額"))->setText(QString::fromUtf8(c.bonus));
            named(QStringLiteral("ボーナス回数"))->setText("2");
        }
        press_enter();
        EXPECT_EQ(named(QStringLiteral("融資額"))->text(), QString::fromUtf8(c.loan_amount));
        ASSERT_EQ(messages.messages.size(), *c.message == '\0' ? 0u : 1u) << c.balance;
        if (*c.message != '\0') {
            EXPECT_EQ(messages.messages[0].text, QString::fromUtf8(c.message));
        }
    }
}

// The schedule and the print confirmation open whatever the calculation's outcome.
TEST_F(main_window_test, schedule_and_print_calculate_first_and_go_on_regardless) {
    messages.on_message = [this] { calls.push_back("message"); };
    click("schedule_button");
    click("print_button");
    EXPECT_THAT(calls,
                ElementsAre("message", "schedule", "message", "confirm", "print:印刷中です・・・"));
    EXPECT_EQ(status(), QStringLiteral("印刷が終了しました。"));
    EXPECT_EQ(object<QLabel>("status_label")->accessibleName(),
              QStringLiteral("印刷が終了しました。"));

    print_works = false;
    click("print_button");
    EXPECT_EQ(status(), QStringLiteral("印刷に失敗しました。"));
}

TEST_F(main_window_test, printed_status_stays_until_the_next_command_or_field_change) {
    type_first_example();
    click("print_button");
    ASSERT_EQ(status(), QStringLiteral("印刷が終了しました。"));
    QTest::mouseClick(named(QStringLiteral("返済回数")), Qt::LeftButton);
    EXPECT_EQ(status(), QString());

    click("print_button");
    QTest::keyClicks(named(QStringLiteral("返済回数")), QStringLiteral("5"));  // typing alone
    EXPECT_EQ(status(), QString());

    click("print_button");
    click("method_toggle");
    EXPECT_EQ(status(), QString());

    click("print_button");
    click("settings_button");
    EXPECT_EQ(status(), QString());
    EXPECT_EQ(calls.back(), "settings");

    calls.clear();
    confirm_print = false;
    click("print_button");
    EXPECT_THAT(calls, ElementsAre("confirm")) << "cancelled: nothing printed";
    EXPECT_EQ(status(), QString());
}

TEST_F(main_window_test, save_stores_the_fields_cut_to_their_slots) {
    type(QStringLiteral("実質年率（％）"), QStringLiteral("12.3456789012"));
    type(QStringLiteral("返済回数"), QStringLiteral("36"));
    type(QStringLiteral("差引残高（円）"), QStringLiteral("123456789012345678"));
    type(QStringLiteral("スキップ月数"), QStringLiteral("ああああああ"));
    type(QStringLiteral("ボーナス加算額"), QStringLiteral("50000"));
    window->field(main_control::loan_fee)->setText(QStringLiteral("       159,900"));
    click("method_toggle");
    click("cycle_toggle");
    std::memset(session.record.payment_count_text, 'x', sizeof session.record.payment_count_text);
    session.record.customer_name[0] = 'C';
    chosen_name = cp932("見積.car");

    click("save_button");

    EXPECT_THAT(calls, ElementsAre("name", "save /quotes/" + chosen_name));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_STREQ(saved.rate_text, "12.345678");
    EXPECT_EQ(std::string(saved.payment_count_text, 4), std::string("36\0x", 4))
        << "bytes after the terminator are kept";
    EXPECT_STREQ(saved.net_balance_text, "123456789,012,") << "reformatted, then cut to 14";
    EXPECT_EQ(saved.skip_months_text, cp932("ああああ")) << "never half a character";
    EXPECT_STREQ(saved.bonus_addition_text, "        50,000");
    EXPECT_STREQ(saved.loan_fee_text, "       159,900");
    EXPECT_EQ(saved.bonus_method, 1);
    EXPECT_EQ(saved.cycle_mode, 2);
    EXPECT_EQ(saved.customer_name[0], 'C');
    EXPECT_EQ(window->windowTitle(), QStringLiteral("見積.car"));
}

TEST_F(main_window_test, save_that_fails_or_is_cancelled_keeps_the_title) {
    file_works = false;
    click("save_button");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, QStringLiteral("Tavri"));
    EXPECT_TRUE(messages.messages[0].text.startsWith("ファイルの保存に失敗しました\n保存先："));
    EXPECT_TRUE(messages.messages[0].text.endsWith("quotes\n理由：フォルダがありません"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("新規"));

    calls.clear();
    chosen_name = std::string(no_quote_name);
    click("save_button");
    EXPECT_THAT(calls, ElementsAre("name"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("新規"));
    EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(main_window_test, open_restores_inputs_and_flags_then_recalculates) {
    std::strcpy(stored.rate_text, "9.9");
    std::strcpy(stored.payment_count_text, "36");
    std::strcpy(stored.net_balance_text, "     1,000,000");
    std::strcpy(stored.deferment_text, "4");
    std::strcpy(stored.loan_fee_text, "stale");
    std::strcpy(stored.customer_name, "Kept");
    stored.bonus_method = 1;
    stored.cycle_mode = 2;
    stored.start_year = 2027;

    click("open_button");

    EXPECT_THAT(calls, ElementsAre("choose", "open /quotes/ABC.car"));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("ABC.car"));
    EXPECT_EQ(window->field(main_control::net_balance)->text(), QStringLiteral("     1,000,000"));
    EXPECT_EQ(window->field(main_control::deferment)->text(), QStringLiteral("4"));
    EXPECT_EQ(label("bonus_amount_label"), QStringLiteral("ボーナス月返済"));
    EXPECT_EQ(label("cycle_label"), QStringLiteral("第二サイクル計上"));
    EXPECT_EQ(window->field(main_control::loan_fee)->text(), QStringLiteral("       164,500"));
    EXPECT_EQ(session.record.loan_fee, 164500);
    EXPECT_STREQ(session.record.customer_name, "Kept");
    EXPECT_EQ(session.record.start_year, 2027);
}

// A method no save writes shows the add-on labels; the toggle then goes by what is shown.
TEST_F(main_window_test, open_keeps_an_unknown_method_as_stored) {
    std::strcpy(stored.rate_text, "9.9");
    stored.bonus_method = 2;
    stored.cycle_mode = 7;
    click("open_button");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("支払回数が未入力です"));
    EXPECT_EQ(session.flags.bonus_method, 2);
    EXPECT_EQ(session.flags.cycle_mode, 7);
    EXPECT_EQ(label("bonus_amount_label"), QStringLiteral("ボーナス加算額"));
    EXPECT_EQ(label("cycle_label"), QStringLiteral("第一サイクル計上"));
    click("method_toggle");
    EXPECT_EQ(session.flags.bonus_method, 1);
}

TEST_F(main_window_test, open_that_fails_or_is_cancelled_changes_nothing) {
    type_first_example();
    click("calculate_button");
    const quote_record before = session.record;
    std::strcpy(stored.rate_text, "1.0");
    stored.bonus_method = 1;

    chosen_name = std::string(no_quote_name);
    click("open_button");
    EXPECT_THAT(calls, ElementsAre("choose"));
    EXPECT_TRUE(messages.messages.empty()) << "no calculation";

    file_works = false;
    chosen_name = "gone.car";
    click("open_button");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("ファイルの読込に失敗しました"));
    EXPECT_EQ(std::memcmp(&session.record, &before, sizeof before), 0);
    EXPECT_EQ(window->field(main_control::rate)->text(), QStringLiteral("9.9"));
    EXPECT_EQ(session.flags.bonus_method, 0);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("新規"));
}

TEST_F(main_window_test, quit_escape_and_close_box_end_at_once) {
    click("quit_button");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), 1);

    for (const bool escape : {true, false}) {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        if (escape) {
            QLineEdit* rate = named(QStringLiteral("実質年率（％）"));
            rate->setFocus();
            QTest::keyClick(rate, Qt::Key_Escape);
        } else {
            window->close();
        }
        EXPECT_FALSE(window->isVisible());
    }
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace carloan
