#include "schedule/schedule_dialog.h"

#include "app/main_window.h"
#include "csv_reader.h"
#include "gui_support.h"
#include "print/pdf_words.h"
#include "print/print_pages.h"
#include "storage/atomic_file.h"
#include "text/cp932.h"
#include "ui/session.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace carloan {
namespace {

using testing::button_labelled;
using testing::by_accessible_name;
using testing::message_recorder;
using testing::save_file_answer;
using testing::when_modal;

void type_into(QWidget* dialog, const QString& field_name, const QString& text) {
    QLineEdit* field = by_accessible_name<QLineEdit>(dialog, field_name);
    field->clear();
    QTest::keyClicks(field, text);
}

void press_expand(QWidget* dialog) {
    QTest::mouseClick(button_labelled(dialog, QStringLiteral("展開")), Qt::LeftButton);
}

QStringList listed(QWidget* dialog) {
    QStringList lines;
    QListWidget* list = by_accessible_name<QListWidget>(dialog, QStringLiteral("返済明細"));
    for (int i = 0; i < list->count(); ++i) {
        lines.push_back(list->item(i)->text());
    }
    return lines;
}

// Six payments from May 2000 with one bonus in July, as the calculation left them.
session_state worked_session(std::int32_t cycle_mode = 1) {
    session_state session;
    quote_record& r = session.record;
    r.loan_amount = 95000;
    r.payment_count = 6;
    r.first_payment = 15000;
    r.later_payment = 14000;
    r.bonus_payment = 10000;
    r.bonus_count = 1;
    r.deferment_months = 3;
    r.cycle_mode = cycle_mode;
    r.start_year = 2000;
    r.start_month = 5;
    r.first_bonus_year = 2000;
    r.first_bonus_month = 7;
    r.bonus_month_1 = 7;
    r.bonus_month_2 = 12;
    return session;
}

const QStringList worked_lines{
    QStringLiteral("  1   2000/05         15,000        80,000"),
    QStringLiteral("  2   2000/06         14,000        66,000"),
    QStringLiteral("  3   2000/07         24,000        42,000"),
    QStringLiteral("  4   2000/08         14,000        28,000"),
    QStringLiteral("  5   2000/09         14,000        14,000"),
    QStringLiteral("  6   2000/10         14,000             0"),
};

TEST(schedule_dialog, opens_with_the_record_and_lists_on_expand) {
    session_state session = worked_session();
    schedule_dialog dialog(session);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ご返済明細"));

    const std::pair<const char16_t*, const char16_t*> shown[] = {
        {u"返済開始年", u"2000"},      {u"返済開始月", u"5"},   {u"初回ボーナス返済年", u"2000"},
        {u"初回ボーナス返済月", u"7"}, {u"ボーナス月１", u"7"}, {u"ボーナス月２", u"12"},
        {u"返済回数", u"6"},           {u"ボーナス回数", u"1"},
    };
    for (const auto& [name, value] : shown) {
        const QLineEdit* field = by_accessible_name<QLineEdit>(&dialog, QString::fromUtf16(name));
        EXPECT_EQ(field->text(), QString::fromUtf16(value))
            << QString::fromUtf16(name).toStdString();
    }
    EXPECT_TRUE(by_accessible_name<QLineEdit>(&dialog, QStringLiteral("返済回数"))->isReadOnly());
    EXPECT_TRUE(
        by_accessible_name<QLineEdit>(&dialog, QStringLiteral("ボーナス回数"))->isReadOnly());
    EXPECT_FALSE(
        by_accessible_name<QLineEdit>(&dialog, QStringLiteral("返済開始年"))->isReadOnly());
    EXPECT_TRUE(listed(&dialog).isEmpty());
    EXPECT_TRUE(button_labelled(&dialog, QStringLiteral("展開"))->isDefault());
    EXPECT_TRUE(
        QFontInfo(by_accessible_name<QListWidget>(&dialog, QStringLiteral("返済明細"))->font())
            .fixedPitch());

    message_recorder messages;
    press_expand(&dialog);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(listed(&dialog), worked_lines);
    EXPECT_EQ(session.table[3].bonus_part, 10000);
    EXPECT_EQ(session.table[6].balance, 0);
}

TEST(schedule_dialog, messages_leave_the_list_and_keep_what_was_read) {
    session_state session = worked_session();
    schedule_dialog dialog(session);
    message_recorder messages;
    press_expand(&dialog);
    ASSERT_EQ(listed(&dialog), worked_lines);

    type_into(&dialog, QStringLiteral("返済開始年"), QStringLiteral("2001"));
    type_into(&dialog, QStringLiteral("返済開始月"), QString());
    press_expand(&dialog);
    type_into(&dialog, QStringLiteral("返済開始月"), QStringLiteral("5"));
    type_into(&dialog, QStringLiteral("初回ボーナス返済年"), QStringLiteral("2001"));
    type_into(&dialog, QStringLiteral("ボーナス月１"), QStringLiteral("1"));
    press_expand(&dialog);  // neither January nor December falls in May to October
    type_into(&dialog, QStringLiteral("ボーナス月１"), QStringLiteral("7"));
    type_into(&dialog, QStringLiteral("初回ボーナス返済月"), QStringLiteral("6"));
    press_expand(&dialog);  // June is payment 2; the calculation deferred to payment 3
    type_into(&dialog, QStringLiteral("返済開始年"), QStringLiteral("99999999"));
    press_expand(&dialog);

    ASSERT_EQ(messages.messages.size(), 4u);
    const QString expected[] = {
        QStringLiteral("返済開始月が未入力です"),
        QStringLiteral("ボーナス回数は(0)回です。指定した回数(1)と異なります"),
        QStringLiteral("ボーナス据置月数は(2)ヶ月です。指定した月数(3)と異なります"),
        QStringLiteral("年は1900から2100で入力して下さい"),
    };
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(messages.messages[i].caption, QStringLiteral("Tavri"));
        EXPECT_EQ(messages.messages[i].text, expected[i]);
    }
    EXPECT_EQ(listed(&dialog), worked_lines);
    EXPECT_EQ(session.record.start_year, 2001);
    EXPECT_EQ(session.record.first_bonus_month, 6);
    EXPECT_EQ(session.record.bonus_month_1, 7);
}

TEST(schedule_dialog, expanding_again_forgets_former_bonus_months) {
    session_state session = worked_session(2);  // second cycle: the deferment is not checked
    schedule_dialog dialog(session);
    message_recorder messages;
    press_expand(&dialog);
    type_into(&dialog, QStringLiteral("初回ボーナス返済月"), QStringLiteral("8"));
    type_into(&dialog, QStringLiteral("ボーナス月１"), QStringLiteral("8"));
    press_expand(&dialog);

    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(listed(&dialog), (QStringList{
                                   QStringLiteral("  1   2000/05         15,000        80,000"),
                                   QStringLiteral("  2   2000/06         14,000        66,000"),
                                   QStringLiteral("  3   2000/07         14,000        52,000"),
                                   QStringLiteral("  4   2000/08         24,000        28,000"),
                                   QStringLiteral("  5   2000/09         14,000        14,000"),
                                   QStringLiteral("  6   2000/10         14,000             0"),
                               }));
    EXPECT_EQ(session.table[3].bonus_part, 0);
}

TEST(schedule_dialog, refuses_more_payments_than_the_table_holds) {
    session_state session = worked_session();
    session.record.payment_count = 421;
    session.table[420].balance = 7;  // must not be touched
    schedule_dialog dialog(session);
    message_recorder messages;
    type_into(&dialog, QStringLiteral("返済開始年"), QStringLiteral("2010"));
    press_expand(&dialog);

    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, QStringLiteral("Tavri"));
    EXPECT_EQ(messages.messages[0].text,
              QStringLiteral("返済回数が420回を超えるため明細を展開できません"));
    EXPECT_TRUE(listed(&dialog).isEmpty());
    EXPECT_EQ(session.record.start_year, 2010);
    EXPECT_EQ(session.table[420].balance, 7);
}

TEST(schedule_dialog, opens_at_the_top_left_and_closes_with_its_button) {
    session_state session = worked_session();
    QPoint shown_at(-1, -1);
    QPoint screen_corner;
    bool closed_by_button = false;
    when_modal([&](QWidget* dialog) {
        shown_at = dialog->frameGeometry().topLeft();
        screen_corner = dialog->screen()->availableGeometry().topLeft();
        QTest::mouseClick(button_labelled(dialog, QStringLiteral("閉じる")), Qt::LeftButton);
        closed_by_button = true;
    });
    run_schedule_dialog(nullptr, session);
    EXPECT_TRUE(closed_by_button);
    EXPECT_EQ(shown_at, screen_corner);
}

TEST(schedule_dialog, opens_from_the_main_window_after_the_calculation) {
    session_state session;
    main_window window(session);
    window.show();
    QTest::keyClicks(window.field(main_control::rate), QStringLiteral("9.9"));
    QTest::keyClicks(window.field(main_control::payment_count), QStringLiteral("36"));
    QTest::keyClicks(window.field(main_control::net_balance), QStringLiteral("1000000"));

    message_recorder messages;
    QString payment_count_shown;
    QStringList lines;
    when_modal([&](QWidget* dialog) {
        payment_count_shown =
            by_accessible_name<QLineEdit>(dialog, QStringLiteral("返済回数"))->text();
        type_into(dialog, QStringLiteral("返済開始年"), QStringLiteral("2024"));
        type_into(dialog, QStringLiteral("返済開始月"), QStringLiteral("5"));
        press_expand(dialog);
        lines = listed(dialog);
        QTest::mouseClick(button_labelled(dialog, QStringLiteral("閉じる")), Qt::LeftButton);
    });
    QTest::mouseClick(button_labelled(&window, QStringLiteral("明細")), Qt::LeftButton);

    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(payment_count_shown, QStringLiteral("36"));
    ASSERT_EQ(lines.size(), 36);
    EXPECT_EQ(lines.front(), QStringLiteral("  1   2024/05         32,900     1,127,000"));
    EXPECT_EQ(lines.back(), QStringLiteral(" 36   2027/04         32,200             0"));
    EXPECT_EQ(session.record.start_year, 2024);
}

// What is listed goes out, also after a later expansion ended with a message and left the list;
// a file that cannot be written says so.
TEST(schedule_dialog, prints_and_saves_what_is_listed) {
    session_state session = worked_session();
    write_slot(session.record.customer_name, "ABC");
    schedule_dialog dialog(session);
    const QStringList buttons{"印刷", "PDF保存...", "CSV保存..."};
    for (const QString& button : buttons) {
        EXPECT_FALSE(button_labelled(&dialog, button)->isEnabled());
    }
    message_recorder messages;
    press_expand(&dialog);
    const repayment_table listed = session.table;
    type_into(&dialog, QStringLiteral("ボーナス月１"), QStringLiteral("1"));
    press_expand(&dialog);  // the bonus count no longer agrees
    for (const QString& button : buttons) {
        EXPECT_TRUE(button_labelled(&dialog, button)->isEnabled());
    }

    QTemporaryDir folder;
    print_platform printer = system_print_platform();
    printer.default_printer_name = [] { return QStringLiteral("office"); };
    printer.open_printer = [&folder](const QString&) {
        auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
        pdf->setOutputFormat(QPrinter::PdfFormat);
        pdf->setOutputFileName(folder.filePath("printed.pdf"));
        return pdf;
    };
    set_print_platform(printer);
    QTest::mouseClick(button_labelled(&dialog, "印刷"), Qt::LeftButton);
    set_print_platform(system_print_platform());

    // The July payment with its bonus: of the listed schedule, not of the refused one.
    const auto lists_july = [](const QString& pdf) {
        const auto words = testing::pdf_words(pdf);
        return std::any_of(words.begin(), words.end(),
                           [](const testing::pdf_word& w) { return w.text == "24,000"; });
    };
    EXPECT_TRUE(lists_july(folder.filePath("printed.pdf")));
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    for (const QString name : {"schedule.pdf", "missing/schedule.pdf"}) {
        save_file_answer answer(name);
        QTest::mouseClick(button_labelled(&dialog, "PDF保存..."), Qt::LeftButton);
        EXPECT_EQ(answer.proposed, QStringList{documents.filePath("ABC_ご返済明細.pdf")});
        EXPECT_EQ(QFile::exists(answer.path) && lists_july(answer.path), name == "schedule.pdf");
    }
    for (const QString name : {"schedule.csv", "missing/schedule.csv"}) {
        save_file_answer answer(name);
        QTest::mouseClick(button_labelled(&dialog, "CSV保存..."), Qt::LeftButton);
        QFile file(answer.path);
        ASSERT_EQ(file.open(QIODevice::ReadOnly), name == "schedule.csv");
        if (file.isOpen()) {
            const auto saved = testing::read_schedule_csv(file.readAll().toStdString());
            ASSERT_EQ(saved.size(), 6u);
            for (std::size_t k = 1; k <= 6; ++k) {
                EXPECT_EQ(saved[k - 1], testing::csv_payment_of(k, listed[k]));
            }
        }
    }

    // Saved over on a disk that fails at the last step: the message, and the earlier file kept.
    for (const QString button : {"PDF保存...", "CSV保存..."}) {
        save_file_answer answer("earlier");
        QFile earlier(answer.path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        earlier.close();
        fail_writes_at(write_step::rename);
        QTest::mouseClick(button_labelled(&dialog, button), Qt::LeftButton);
        fail_writes_at(std::nullopt);
        ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
        EXPECT_EQ(earlier.readAll(), "earlier");
        EXPECT_EQ(QDir(answer.folder.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"earlier"});
    }

    // Each says where and why.
    ASSERT_EQ(messages.messages.size(), 5u);
    const auto first_line = [&messages](std::size_t k) {
        return messages.messages[k].text.section('\n', 0, 0);
    };
    EXPECT_EQ(first_line(1), "PDFの保存に失敗しました");
    EXPECT_EQ(first_line(2), "CSVの保存に失敗しました");
    EXPECT_TRUE(messages.messages[2].text.endsWith("/missing\n理由：フォルダがありません"));
    EXPECT_EQ(messages.messages[2].caption, "Tavri");
    EXPECT_EQ(first_line(3), "PDFの保存に失敗しました");
    EXPECT_EQ(first_line(4), "CSVの保存に失敗しました");
    EXPECT_TRUE(messages.messages[4].text.endsWith(
        "\n理由：書き込めませんでした（ディスクの空き容量を確かめてください）"));
}

}  // namespace
}  // namespace carloan
