// The plan comparison driven from the main window, as a clerk uses it: every figure of the dialog
// is checked against what the main window itself shows for the same count.

#include "plans/plan_comparison_dialog.h"

#include "app/main_window.h"
#include "gui_support.h"
#include "plans/plan_page.h"
#include "print/pdf_words.h"
#include "print/print_confirmation_dialog.h"
#include "print/print_pages.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/session.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace carloan {
namespace {

using testing::button_labelled;
using testing::by_accessible_name;
using testing::message_recorder;
using testing::when_modal;

struct table_text {
    std::vector<QStringList> columns;  // cells top to bottom
    QStringList tips;                  // the first cell's tool tip of each column
};

table_text read_table(QTableWidget* table) {
    table_text text;
    for (int c = 0; c < table->columnCount(); ++c) {
        QStringList cells;
        for (int r = 0; r < table->rowCount(); ++r) {
            cells << table->item(r, c)->text();
        }
        text.columns.push_back(cells);
        text.tips << table->item(0, c)->toolTip();
    }
    return text;
}

QTableWidget* plan_table(QWidget* dialog) {
    return by_accessible_name<QTableWidget>(dialog, QStringLiteral("プラン比較表"));
}

class plan_dialog_test : public ::testing::Test {
  protected:
    void SetUp() override { window = std::make_unique<main_window>(session); }

    void fill(const std::vector<const char*>& inputs, current_flags flags) {
        const int controls[] = {1005, 1006, 1007, 1020, 1008, 1009, 1010};
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            window->field(controls[i])->setText(QString::fromUtf8(inputs[i]));
        }
        if (flags.bonus_method == 1) {
            window->findChild<QAbstractButton*>(QStringLiteral("method_toggle"))->click();
        }
        if (flags.cycle_mode == 2) {
            window->findChild<QAbstractButton*>(QStringLiteral("cycle_toggle"))->click();
        }
    }

    // Opens the comparison from the main window and runs `act` in it; `act` must close it.
    void in_dialog(const std::function<void(QWidget*)>& act) {
        bool opened = false;
        when_modal([&](QWidget* dialog) {
            opened = true;
            act(dialog);
        });
        window->findChild<QAbstractButton*>(QStringLiteral("plans_button"))->click();
        EXPECT_TRUE(opened);
    }

    // What the main window shows for this count, in the comparison's words.
    QStringList main_window_column(int count) {
        window->field(main_control::payment_count)->setText(QString::number(count));
        window->findChild<QAbstractButton*>(QStringLiteral("calculate_button"))->click();
        const auto shown = [this](int control) { return window->field(control)->text().trimmed(); };
        return {QString::number(count) + "回",
                shown(main_control::loan_fee),
                shown(main_control::loan_amount),
                shown(main_control::first_payment),
                shown(main_control::later_payment) + "×" + shown(main_control::later_count) + "回",
                shown(main_control::bonus_payment) + "×" + shown(main_control::bonus_times) + "回",
                shown(main_control::comparison)};
    }

    calc_inputs window_inputs(int count) {
        window->field(main_control::payment_count)->setText(QString::number(count));
        const auto read = [this](int control) { return *to_cp932(window->field(control)->text()); };
        return {read(1005), read(1006), read(1007), read(1020), read(1008), read(1009), read(1010)};
    }

    message_recorder messages;
    session_state session;
    std::unique_ptr<main_window> window;
};

TEST_F(plan_dialog_test, every_column_is_what_the_main_window_shows_for_its_count) {
    const struct {
        std::vector<const char*> inputs;
        current_flags flags;
    } cases[] = {
        {{"9.9", "36", "1,000,000"}, {0, 1}},
        {{"9.9", "60", "2,000,000", "2", "50,000", "6", "6"}, {0, 2}},
        {{"12.5", "60", "2,000,000", "", "90,000", "10", "6"}, {1, 1}},
        {{"9.9", "60", "2,000,000", "1", "90,000", "4", "2"}, {1, 2}},
    };
    for (const auto& c : cases) {
        window = std::make_unique<main_window>(session = {});
        fill(c.inputs, c.flags);
        table_text shown;
        in_dialog([&](QWidget* dialog) {
            shown = read_table(plan_table(dialog));
            button_labelled(dialog, QStringLiteral("閉じる"))->click();
        });
        ASSERT_EQ(shown.columns.size(), 7u);
        for (std::size_t i = 0; i < shown.columns.size(); ++i) {
            const int count = 12 * static_cast<int>(i + 1);
            messages.messages.clear();
            const QStringList expected = main_window_column(count);
            if (shown.tips[i] == QString::fromUtf8(bonuses_beyond_term)) {
                // The main window quotes it, with more bonuses than its term can hold.
                EXPECT_TRUE(messages.messages.empty());
                EXPECT_FALSE(bonuses_fit(window_inputs(count),
                                         *calculate(window_inputs(count), session.flags).result));
                EXPECT_EQ(shown.columns[i][1], "－") << count;
            } else if (messages.messages.empty()) {
                EXPECT_EQ(shown.columns[i], expected) << c.inputs[0] << " " << count;
            } else {
                EXPECT_EQ(shown.tips[i], messages.messages[0].text) << count;
                EXPECT_EQ(shown.columns[i][1], "－") << count;
            }
        }
    }
}

TEST_F(plan_dialog_test, a_chosen_count_goes_into_the_form_and_is_calculated) {
    fill({"9.9", "36", "1,000,000"}, {});
    QStringList column;
    in_dialog([&](QWidget* dialog) {
        QTableWidget* table = plan_table(dialog);
        EXPECT_TRUE(table->selectionModel()->isColumnSelected(2)) << "the form's own count";
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualItemRect(table->item(4, 3)).center());
        column = read_table(table).columns[3];
        button_labelled(dialog, QStringLiteral("この回数で計算"))->click();
    });
    EXPECT_EQ(window->field(main_control::payment_count)->text(), "48");
    EXPECT_EQ(window->field(main_control::loan_fee)->text().trimmed(), column[1]);
    EXPECT_EQ(session.record.payment_count, 48);
    EXPECT_TRUE(messages.messages.empty());
}

// Bad count lists, a missing budget and one nothing meets each say so and change nothing.
TEST_F(plan_dialog_test, what_cannot_be_answered_is_said_and_changes_nothing) {
    fill({"9.9", "36", "1,000,000"}, {});
    in_dialog([&](QWidget* dialog) {
        auto* counts = by_accessible_name(dialog, QStringLiteral("比較する返済回数"));
        for (const char* list : {"0", "421", "abc", "1,2,3,4,5,6,7,8,9,10,11,12,13"}) {
            counts->setText(QString::fromUtf8(list));
            QTest::keyClick(counts, Qt::Key_Return);  // 比較 is the default button
        }
        EXPECT_EQ(plan_table(dialog)->columnCount(), 7);
        counts->setText(QStringLiteral("１０，２０"));
        QTest::keyClick(counts, Qt::Key_Return);
        EXPECT_EQ(plan_table(dialog)->item(0, 1)->text(), "20回");

        button_labelled(dialog, QStringLiteral("必要回数"))->click();
        by_accessible_name(dialog, QStringLiteral("月々の予算（円）"))->setText("100");
        button_labelled(dialog, QStringLiteral("必要回数"))->click();
        EXPECT_FALSE(button_labelled(dialog, QStringLiteral("この条件で計算"))->isEnabled());
        button_labelled(dialog, QStringLiteral("閉じる"))->click();
    });
    std::vector<QString> texts;
    for (const auto& message : messages.messages) {
        EXPECT_EQ(message.caption, "Tavri");
        texts.push_back(message.text);
    }
    const QString bad = QStringLiteral("返済回数は1から420で入力して下さい");
    EXPECT_THAT(texts,
                ::testing::ElementsAre(bad, bad, bad, "比較できる返済回数は12個までです",
                                       "月々の予算が未入力です", "予算内に収まる条件がありません"));
    EXPECT_EQ(window->field(main_control::payment_count)->text(), "36");
}

// Each answer is put into the form and calculated; the form then shows the answer's own quote.
TEST_F(plan_dialog_test, budget_answers_go_into_the_form) {
    const struct {
        const char* button;
        const char* budget;
        int field;
        const char* field_text;
    } cases[] = {
        {"借入可能額", "30,000", main_control::net_balance, "       934,218"},
        {"必要回数", "30000", main_control::payment_count, "39"},
    };
    for (const auto& c : cases) {
        window = std::make_unique<main_window>(session = {});
        fill({"9.9", "36", "1,000,000"}, {});
        QStringList answer;
        in_dialog([&](QWidget* dialog) {
            by_accessible_name(dialog, QStringLiteral("月々の予算（円）"))
                ->setText(QString::fromUtf8(c.budget));
            button_labelled(dialog, QString::fromUtf8(c.button))->click();
            answer = read_table(
                         by_accessible_name<QTableWidget>(dialog, QStringLiteral("予算に合う条件")))
                         .columns.at(0);
            button_labelled(dialog, QStringLiteral("この条件で計算"))->click();
        });
        EXPECT_EQ(window->field(c.field)->text(), QString::fromUtf8(c.field_text)) << c.button;
        EXPECT_EQ(answer[0], window->field(main_control::net_balance)->text().trimmed());
        EXPECT_EQ(answer.mid(1), main_window_column(session.record.payment_count));
        EXPECT_TRUE(messages.messages.empty());
    }
}

// With a residual set in 残価設定 each count is a residual plan, the final payment a row of its
// own: the worked example's column, and a count the residual plan refuses.
TEST_F(plan_dialog_test, a_residual_compares_residual_plans) {
    message_recorder messages;
    session.residual_text = "957000";
    fill({"4.2", "60", "1906500"}, {});
    window->findChild<QAbstractButton*>(QStringLiteral("calculate_button"))->click();
    table_text shown;
    in_dialog([&](QWidget* dialog) {
        by_accessible_name(dialog, QStringLiteral("比較する返済回数"))->setText("1,60");
        button_labelled(dialog, QStringLiteral("比較"))->click();
        shown = read_table(plan_table(dialog));
        button_labelled(dialog, QStringLiteral("閉じる"))->click();
    });
    ASSERT_EQ(shown.columns.size(), 2u);
    EXPECT_EQ(shown.columns[0].at(1), QStringLiteral("－"));
    EXPECT_FALSE(shown.tips[0].isEmpty());
    EXPECT_TRUE(shown.columns[1].contains(QStringLiteral("303,694")));
    EXPECT_EQ(shown.columns[1].last(), QStringLiteral("957,000"));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(plan_dialog_test, a_missing_input_is_reported_and_opens_nothing) {
    main_window_steps steps = main_window_steps::program();
    int opened = 0;
    steps.plans_dialog = [&](QWidget*, const session_state&, const calc_inputs&) {
        ++opened;
        return std::optional<plan_choice>{};
    };
    window = std::make_unique<main_window>(session, steps);
    fill({"9.9", "", "1,000,000"}, {});
    window->findChild<QAbstractButton*>(QStringLiteral("plans_button"))->click();
    EXPECT_EQ(opened, 0);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "支払回数が未入力です");
}

// The customer's page through the estimate's printer and PDF paths: the customer the session
// names (none for a new quote), the branch's lines, every string of the page.
TEST_F(plan_dialog_test, prints_and_saves_the_customers_page) {
    QTemporaryDir folder;
    const local_time printed{2024, 5, 1, 9, 5, 7};
    const auto print_to = [&](const QString& path, const char* button) {
        print_platform platform = system_print_platform();
        platform.local_clock = [&] { return printed; };
        platform.default_printer_name = [] { return QStringLiteral("office"); };
        platform.open_printer = [=](const QString&) {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(path);
            return printer;
        };
        set_print_platform(platform);
        set_save_file_hook([=](QWidget*, const QString&, const QString&) { return path; });
        in_dialog([&](QWidget* dialog) {
            by_accessible_name(dialog, QStringLiteral("比較する返済回数"))->setText("24,36");
            button_labelled(dialog, QStringLiteral("比較"))->click();
            button_labelled(dialog, QString::fromUtf8(button))->click();
            button_labelled(dialog, QStringLiteral("閉じる"))->click();
        });
        set_print_platform(system_print_platform());
        testing::refuse_save_dialogs();
        return path;
    };
    write_slot(session.settings.branch_name, *utf8_to_cp932("中央支店"));
    write_slot(session.settings.telephone, "03-1234-5678");
    write_slot(session.settings.note_line_1, *utf8_to_cp932("有効期限は本日より１ヶ月"));
    session.record.show_rate = 1;
    fill({"9.9", "36", "1,000,000"}, {});
    const std::int32_t counts[] = {24, 36};
    window->findChild<QAbstractButton*>(QStringLiteral("calculate_button"))->click();
    const std::vector<page_string> page =
        plan_comparison_page(compare_plans({"9.9", "36", "1,000,000"}, {}, counts), 0,
                             session.record, session.settings, *utf8_to_cp932("山田"), printed);

    session.customer_name = *utf8_to_cp932("山田");
    const QString saved = print_to(folder.filePath("saved.pdf"), "PDF保存...");
    testing::expect_drawn_at(testing::pdf_words(saved), 0, page);
    // The printer's page starts at its printable area: the same words, shifted.
    const QString printed_pdf = print_to(folder.filePath("printed.pdf"), "印刷");
    QStringList words;
    for (const testing::pdf_word& word : testing::pdf_words(printed_pdf)) {
        words << word.text;
    }
    for (const page_string& string : page) {
        for (const QString& token :
             from_cp932(string.text).simplified().split(' ', Qt::SkipEmptyParts)) {
            EXPECT_TRUE(words.contains(token)) << token.toStdString();
        }
    }
    for (const QString& pdf : {saved, printed_pdf}) {
        EXPECT_EQ(testing::pdf_info(pdf, "Pages"), "1");
        EXPECT_EQ(testing::pdf_info(pdf, "Title"), "お支払いプラン比較");
    }

    session.customer_name.clear();
    window->setWindowTitle(QStringLiteral("新規"));
    const QString unnamed = print_to(folder.filePath("unnamed.pdf"), "印刷");
    for (const testing::pdf_word& word : testing::pdf_words(unnamed)) {
        EXPECT_NE(word.text, "新規") << "a new quote names no customer";
    }
}

// The dialog on its own, shown and active, driven by keys alone.
class plan_keyboard_test : public ::testing::Test {
  protected:
    void open(const calc_inputs& inputs) {
        dialog = std::make_unique<plan_comparison_dialog>(session, inputs);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    QString focused() const {
        QWidget* widget = QApplication::focusWidget();
        return widget ? widget->objectName() : QString();
    }
    // Keys go where the focus is, as the keyboard's would; text is typed into the focused field.
    void press(const QString& keys) {
        for (const QString& key : keys.split(' ', Qt::SkipEmptyParts)) {
            QWidget* target = QApplication::focusWidget();
            ASSERT_NE(target, nullptr);
            if (key == "Tab") {
                QTest::keyClick(target, Qt::Key_Tab);
            } else if (key == "Backtab") {
                QTest::keyClick(target, Qt::Key_Backtab, Qt::ShiftModifier);
            } else if (key == "CtrlTab") {
                QTest::keyClick(target, Qt::Key_Tab, Qt::ControlModifier);
            } else if (key == "Right") {
                QTest::keyClick(target, Qt::Key_Right);
            } else if (key == "Left") {
                QTest::keyClick(target, Qt::Key_Left);
            } else if (key == "Enter") {
                QTest::keyClick(target, Qt::Key_Return);
            } else if (key == "Space") {
                QTest::keyClick(target, Qt::Key_Space);
            } else {
                QTest::keyClicks(target, key);
            }
        }
    }

    message_recorder messages;
    session_state session;
    std::unique_ptr<plan_comparison_dialog> dialog;
};

const QStringList tab_order = {
    "counts_field",   "compare_button",  "plan_table",   "use_count_button",  "budget_field",
    "balance_button", "payments_button", "answer_table", "use_answer_button", "preview_button",
    "pdf_button",     "print_button",    "close_button"};

// Tab goes through every control once, the tables each one stop; Shift+Tab goes back.
TEST_F(plan_keyboard_test, tab_visits_every_control_in_order) {
    open({"9.9", "36", "1,000,000"});
    // With no answer yet, nothing unseen takes a stop.
    dialog->findChild<QWidget*>("payments_button")->setFocus();
    press("Tab");
    EXPECT_EQ(focused(), "preview_button");
    dialog->findChild<QWidget*>("budget_field")->setFocus();
    press("30000 Enter");  // an answer, so that この条件で計算 can take the focus
    ASSERT_TRUE(dialog->findChild<QWidget*>("use_answer_button")->isEnabled());
    dialog->findChild<QWidget*>("counts_field")->setFocus();
    QStringList forward{focused()};
    for (int i = 0; i < tab_order.size(); ++i) {
        press(i == 2 ? "CtrlTab" : "Tab");  // Ctrl+Tab leaves the table as Tab does
        forward << focused();
    }
    EXPECT_EQ(forward, tab_order + QStringList{"counts_field"});
    QStringList backward;
    for (int i = 0; i < tab_order.size(); ++i) {
        press("Backtab");
        backward.prepend(focused());
    }
    EXPECT_EQ(backward, tab_order);
}

TEST_F(plan_keyboard_test, keys_alone_choose_and_apply) {
    const struct {
        calc_inputs inputs;
        const char* keys;
        std::optional<plan_choice> choice;  // nothing: the dialog stays open
        const char* focused;
    } cases[] = {
        // The form's count starts chosen; the arrows choose another column, Enter applies it.
        {{"9.9", "36", "1,000,000"}, "Tab Tab Right Enter", plan_choice{"48", ""}, ""},
        {{"9.9", "36", "1,000,000"}, "Tab Tab Left Left Enter", plan_choice{"12", ""}, ""},
        {{"9.9", "36", "1,000,000"}, "Tab Tab Right Tab Space", plan_choice{"48", ""}, ""},
        // Enter in the counts runs 比較 and keeps the focus there.
        {{"9.9", "36", "1,000,000"}, "Enter", std::nullopt, "counts_field"},
        // A refused column cannot be applied: the button is off, Enter does nothing.
        {{"99", "36", "70,000,000"}, "Tab Tab Right Enter", std::nullopt, "plan_table"},
        // Enter in the budget runs the search last chosen, 借入可能額 first.
        {{"9.9", "36", "1,000,000"},
         "Tab Tab Tab Tab 30000 Enter Tab Tab Tab Enter",
         plan_choice{"", "       934,218"},
         ""},
        {{"9.9", "36", "1,000,000"},
         "Tab Tab Tab Tab 30000 Tab Tab Space Backtab Backtab Enter Tab Tab Tab Enter",
         plan_choice{"39", ""},
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        open(c.inputs);
        if (c.inputs.rate_text == "99") {
            dialog->findChild<QLineEdit*>("counts_field")->setText("36,420");
            press("Enter");
        }
        press(c.keys);
        EXPECT_EQ(dialog->choice(), c.choice);
        EXPECT_EQ(dialog->isVisible(), !c.choice);
        if (!c.choice) {
            EXPECT_EQ(focused(), c.focused);
        }
    }
    EXPECT_TRUE(messages.messages.empty());
}

// After any message the earlier answer is gone and cannot be applied.
TEST_F(plan_keyboard_test, a_refused_budget_clears_the_answer) {
    const struct {
        const char* budget;
        const char* message;
    } cases[] = {
        {"abc", "月々の予算が範囲外です"},         {"", "月々の予算が未入力です"},
        {"0", "月々の予算が範囲外です"},           {"99999999999", "月々の予算が範囲外です"},
        {"100", "予算内に収まる条件がありません"},
    };
    for (const auto& c : cases) {
        open({"9.9", "36", "1,000,000"});
        auto* budget = dialog->findChild<QLineEdit*>("budget_field");
        budget->setText("30000");
        dialog->findChild<QAbstractButton*>("payments_button")->click();
        ASSERT_EQ(dialog->findChild<QTableWidget*>("answer_table")->columnCount(), 1);
        budget->setText(QString::fromUtf8(c.budget));
        messages.messages.clear();
        dialog->findChild<QAbstractButton*>("payments_button")->click();
        ASSERT_EQ(messages.messages.size(), 1u) << c.budget;
        EXPECT_EQ(messages.messages[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(dialog->findChild<QTableWidget*>("answer_table")->columnCount(), 0) << c.budget;
        EXPECT_FALSE(dialog->findChild<QWidget*>("use_answer_button")->isEnabled());
    }
}

// Ten bonuses from the sixth payment need 60 payments: at the form's 36 no balance is a plan.
TEST_F(plan_keyboard_test, no_balance_answers_where_the_term_cannot_hold_the_bonuses) {
    open({"9.9", "36", "1,000,000", "", "50,000", "10", "6"});
    dialog->findChild<QLineEdit*>("budget_field")->setText("2000000");
    dialog->findChild<QAbstractButton*>("balance_button")->click();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, QStringLiteral("ボーナス回数が返済回数に収まりません"));
    EXPECT_FALSE(dialog->findChild<QWidget*>("use_answer_button")->isEnabled());
}

// What a screen reader reads: columns by their count, a refused cell with its reason, and names
// without stray blanks anywhere in the dialogs.
TEST_F(plan_keyboard_test, screen_readers_hear_counts_reasons_and_trimmed_names) {
    open({"99", "36", "70,000,000"});
    dialog->findChild<QLineEdit*>("counts_field")->setText("36,420");
    press("Enter");
    QAccessibleInterface* table =
        QAccessible::queryAccessibleInterface(dialog->findChild<QTableWidget*>("plan_table"));
    ASSERT_NE(table, nullptr);
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    const QString refused = cells->cellAt(1, 1)->text(QAccessible::Description);
    EXPECT_EQ(cells->cellAt(1, 1)->text(QAccessible::Name), "－");
    EXPECT_FALSE(refused.isEmpty());
    EXPECT_EQ(cells->cellAt(1, 0)->text(QAccessible::Description), "");
    QStringList names;
    for (int c = 0; c < cells->columnCount(); ++c) {
        names << cells->columnDescription(c);
    }
    EXPECT_EQ(names, QStringList({"36回", "420回"}));

    main_window window(session);
    print_confirmation_dialog confirmation(&window, session);
    for (QWidget* root : {static_cast<QWidget*>(dialog.get()), static_cast<QWidget*>(&window),
                          static_cast<QWidget*>(&confirmation)}) {
        for (QWidget* widget : root->findChildren<QWidget*>()) {
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
            const QString name = reader ? reader->text(QAccessible::Name) : QString();
            EXPECT_EQ(name, name.trimmed()) << widget->objectName().toStdString();
        }
    }
}

}  // namespace
}  // namespace carloan
