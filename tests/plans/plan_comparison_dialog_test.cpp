// The plan comparison driven from the main window, as a clerk uses it: every figure of the dialog
// is checked against what the main window itself shows for the same count.

#include "plans/plan_comparison_dialog.h"

#include "app/main_window.h"
#include "gui_support.h"
#include "plans/plan_page.h"
#include "print/pdf_words.h"
#include "print/print_pages.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/session.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <QAbstractButton>
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
            if (messages.messages.empty()) {
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

// The table as shown, on one page through the estimate's printer path: the customer named by the
// window title (none for a new quote), the branch, every string of the page.
TEST_F(plan_dialog_test, prints_the_table_on_one_page) {
    QTemporaryDir folder;
    const local_time printed{2024, 5, 1, 9, 5, 7};
    const auto print_to = [&](const QString& path) {
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
        in_dialog([&](QWidget* dialog) {
            by_accessible_name(dialog, QStringLiteral("比較する返済回数"))->setText("24,36");
            button_labelled(dialog, QStringLiteral("比較"))->click();
            button_labelled(dialog, QStringLiteral("印刷"))->click();
            button_labelled(dialog, QStringLiteral("閉じる"))->click();
        });
        set_print_platform(system_print_platform());
    };
    write_slot(session.settings.branch_name, *utf8_to_cp932("中央支店"));
    fill({"9.9", "36", "1,000,000"}, {});
    const std::int32_t counts[] = {24, 36};
    const std::vector<plan_row> rows =
        plan_rows(compare_plans({"9.9", "36", "1,000,000"}, {}, counts), {});

    window->setWindowTitle(QStringLiteral("山田.car"));
    const QString named = folder.filePath("named.pdf");
    print_to(named);
    EXPECT_EQ(testing::pdf_info(named, "Pages"), "1");
    EXPECT_EQ(testing::pdf_info(named, "Title"), "お支払いプラン比較");
    QStringList words;
    for (const testing::pdf_word& word : testing::pdf_words(named)) {
        words << word.text;
    }
    for (const page_string& string :
         plan_comparison_page(rows, *utf8_to_cp932("山田"), *utf8_to_cp932("中央支店"), printed)) {
        for (const QString& token : from_cp932(string.text).simplified().split(' ')) {
            EXPECT_TRUE(words.contains(token)) << token.toStdString();
        }
    }

    window->setWindowTitle(QStringLiteral("新規"));
    const QString unnamed = folder.filePath("unnamed.pdf");
    print_to(unnamed);
    for (const testing::pdf_word& word : testing::pdf_words(unnamed)) {
        EXPECT_NE(word.text, "新規") << "a new quote names no customer";
    }
}

}  // namespace
}  // namespace carloan
