// 保存 and 読込 of the real main window, through the real dialogs, into a quote folder of the
// test's own.

#include "app/main_window.h"
#include "calc/calculate.h"
#include "gui_support.h"
#include "quote_dialog_support.h"
#include "quote_test_folder.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/session.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <cstring>
#include <memory>
#include <string>

namespace carloan {
namespace {

namespace control = main_control;

std::string cp932(const char* utf8) {
    return utf8_to_cp932(utf8).value();
}

std::string bytes_of(const quote_record& record) {
    return {reinterpret_cast<const char*>(&record), sizeof record};
}

void put_text(std::string& bytes, std::size_t offset, const std::string& text) {
    bytes.replace(offset, text.size(), text);
}

void put_int(std::string& bytes, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
}

class quote_window_test : public ::testing::Test {
  protected:
    std::unique_ptr<main_window> start(session_state& state) {
        auto window = std::make_unique<main_window>(state);
        window->show();
        return window;
    }

    static void click(main_window& window, const char* button) {
        window.findChild<QAbstractButton*>(button)->click();
    }

    static QString label(main_window& window, const char* name) {
        if (auto* text = window.findChild<QLabel*>(name)) {
            return text->text();
        }
        return window.findChild<QAbstractButton*>(name)->text();
    }

    static constexpr int input_controls[] = {
        control::rate,         control::payment_count, control::net_balance, control::skip_months,
        control::bonus_amount, control::bonus_count,   control::deferment};
    static constexpr int output_controls[] = {control::loan_fee,      control::loan_amount,
                                              control::first_payment, control::later_payment,
                                              control::later_count,   control::bonus_payment,
                                              control::bonus_times,   control::comparison};

    static void fill(main_window& window, const QStringList& inputs) {
        for (int i = 0; i < 7; ++i) {
            window.field(input_controls[i])->setText(inputs.value(i));
        }
    }

    template <std::size_t count>
    static QStringList texts_of(main_window& window, const int (&controls)[count]) {
        QStringList texts;
        for (int c : controls) {
            texts.push_back(window.field(c)->text());
        }
        return texts;
    }

    void save_as(main_window& window, const QString& name) {
        testing::when_modal([name](QWidget* dialog) {
            auto* field = testing::by_accessible_name<QLineEdit>(dialog, "ファイル名称");
            field->clear();
            testing::type_text(field, name);
            QTest::keyClick(field, Qt::Key_Return);
        });
        click(window, "save_button");
    }

    // Picks `name` from the list when it is listed, else types it.
    void open_named(main_window& window, const QString& name) {
        testing::when_modal([name](QWidget* dialog) {
            auto* list = testing::by_accessible_name<QListWidget>(dialog, "ファイル一覧");
            const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
            if (found.isEmpty()) {
                testing::by_accessible_name<QLineEdit>(dialog, "ファイル名称")->setText(name);
            } else {
                list->setCurrentItem(found.front());
            }
            dialog->findChild<QPushButton*>("ok_button")->click();
        });
        click(window, "open_button");
    }

    testing::scratch_folder home;
    testing::environment_variable data_home{"XDG_DATA_HOME", home.path().string()};
    testing::scratch_folder folder{home.path() / "carloan" / "quotes"};
    session_state session;
};

TEST_F(quote_window_test, a_calculated_quote_is_saved_as_exactly_its_record_layout) {
    folder.write(u8"見積.car", std::string(2000, 'x'));  // replaced, not overwritten in place
    auto window = start(session);
    const QStringList inputs = {"9.9", "000000000036", "1,000,000円円円", "", "", "", ""};
    fill(*window, inputs);
    click(*window, "calculate_button");
    save_as(*window, "見積");

    EXPECT_EQ(window->windowTitle(), "見積.car");
    const std::string saved = testing::file_bytes(folder.path() / u8"見積.car");
    ASSERT_EQ(saved.size(), 464u);

    calc_inputs typed;
    typed.rate_text = "9.9";
    typed.payment_count_text = "000000000036";
    typed.net_balance_text = cp932("1,000,000円円円");
    const calc_result result = calculate(typed, current_flags{}).result.value();
    EXPECT_EQ(result.loan_fee, 159900);
    EXPECT_EQ(result.first_payment, 32900);

    std::string expected(464, '\0');
    put_text(expected, 0, "9.9");
    put_text(expected, 11, "000000000");
    put_text(expected, 22, cp932("1,000,000円円"));  // a third 円 would be split
    put_text(expected, 87, result.loan_fee_text);
    put_text(expected, 103, result.loan_amount_text);
    put_text(expected, 119, result.first_payment_text);
    put_text(expected, 135, result.later_payment_text);
    put_text(expected, 151, result.later_count_text);
    put_text(expected, 162, result.bonus_payment_text);
    put_text(expected, 178, result.bonus_times_text);
    put_int(expected, 192, 0);
    put_int(expected, 196, 1);
    put_int(expected, 200, 1000000);
    put_int(expected, 204, 159900);
    put_int(expected, 208, 1159900);
    put_int(expected, 212, 36);
    put_int(expected, 216, 32900);
    put_int(expected, 220, 32200);
    put_int(expected, 224, 35);
    put_int(expected, 228, result.bonus_payment);
    put_int(expected, 232, result.bonus_count);
    put_int(expected, 456, result.deferment_months);
    EXPECT_EQ(saved, expected);
    EXPECT_EQ(folder.entry_count(), 1u);
}

TEST_F(quote_window_test, a_saved_quote_comes_back_after_a_restart) {
    const QStringList inputs = {"12.5", "60", "2,000,000", "1", "100,000", "10", "3"};
    {
        auto window = start(session);
        fill(*window, inputs);
        click(*window, "method_toggle");
        click(*window, "cycle_toggle");
        write_slot(session.record.customer_name, cp932("山田太郎"));
        write_slot(session.record.remark_1, cp932("備考一"));
        write_slot(session.record.remark_4, cp932("備考四"));
        session.record.start_year = 2027;
        session.record.start_month = 4;
        session.record.bonus_month_1 = 7;
        session.record.bonus_month_2 = 12;
        session.record.first_bonus_year = 2027;
        session.record.first_bonus_month = 7;
        session.record.show_rate = 1;
        save_as(*window, "abc");
        EXPECT_EQ(window->windowTitle(), "abc.car");
    }
    const quote_record saved = session.record;

    session_state restarted;
    auto window = start(restarted);
    testing::message_recorder messages;  // the calculation may well ask for more
    open_named(*window, "abc.car");

    EXPECT_EQ(window->windowTitle(), "abc.car");
    EXPECT_EQ(texts_of(*window, input_controls), inputs);
    EXPECT_EQ(restarted.flags.bonus_method, 1);
    EXPECT_EQ(restarted.flags.cycle_mode, 2);
    EXPECT_EQ(label(*window, "bonus_amount_label"), "ボーナス月返済");
    EXPECT_EQ(label(*window, "bonus_payment_label"), "ボーナス月返済 ＝");
    EXPECT_EQ(label(*window, "method_toggle"), "ボーナス月総額方式");
    EXPECT_EQ(label(*window, "cycle_label"), "第二サイクル計上");
    const quote_record& opened = restarted.record;
    EXPECT_EQ(read_slot(opened.customer_name), cp932("山田太郎"));
    EXPECT_EQ(read_slot(opened.remark_1), cp932("備考一"));
    EXPECT_EQ(read_slot(opened.remark_4), cp932("備考四"));
    EXPECT_EQ(std::memcmp(&opened.start_year, &saved.start_year, 6 * 4), 0);
    EXPECT_EQ(opened.show_rate, 1);
}

TEST_F(quote_window_test, a_failed_save_says_so_and_keeps_the_title) {
    auto window = start(session);
    fill(*window, {"9.9", "36", "1000000"});
    save_as(*window, "abc");
    ASSERT_EQ(window->windowTitle(), "abc.car");

    // The quote folder's parent is a file, so nothing can be created there, even by root.
    testing::environment_variable unusable("XDG_DATA_HOME", folder.write("plain", "x").string());
    testing::message_recorder messages;
    save_as(*window, "def");
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Tavri");
    EXPECT_TRUE(messages.messages[0].text.startsWith("ファイルの保存に失敗しました\n保存先：/"));
    EXPECT_TRUE(messages.messages[0].text.endsWith("\n理由：フォルダがありません"));
    EXPECT_EQ(window->windowTitle(), "abc.car");
    EXPECT_EQ(folder.entry_count(), 2u);
}

TEST_F(quote_window_test, a_failed_open_changes_nothing) {
    folder.write("short.car", std::string(463, '\0'));

    auto window = start(session);
    fill(*window, {"9.9", "36", "1000000"});
    click(*window, "calculate_button");
    save_as(*window, "abc");
    click(*window, "method_toggle");
    window->field(control::payment_count)->setText("48");  // a calculation would show it

    const quote_record record = session.record;
    const QStringList inputs = texts_of(*window, input_controls);
    const QStringList outputs = texts_of(*window, output_controls);
    for (const char* name : {"abc", "short.car"}) {  // no ".car" is added on opening
        testing::message_recorder messages;
        open_named(*window, name);
        ASSERT_EQ(messages.messages.size(), 1u) << name;
        EXPECT_EQ(messages.messages[0].caption, "Tavri");
        EXPECT_EQ(messages.messages[0].text, "ファイルの読込に失敗しました");
        EXPECT_EQ(bytes_of(session.record), bytes_of(record)) << name;
        EXPECT_EQ(texts_of(*window, input_controls), inputs) << name;
        EXPECT_EQ(texts_of(*window, output_controls), outputs) << name;
        EXPECT_EQ(session.flags.bonus_method, 1) << name;
        EXPECT_EQ(label(*window, "method_toggle"), "ボーナス月総額方式");
        EXPECT_EQ(window->windowTitle(), "abc.car") << name;
    }
}

}  // namespace
}  // namespace carloan
