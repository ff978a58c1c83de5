#include "print/print_confirmation_dialog.h"

#include "gui_support.h"
#include "pdf_words.h"
#include "print/print_pages.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/session.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

#include <string>

namespace carloan {
namespace {

using testing::button_labelled;
using testing::by_accessible_name;
using testing::message_recorder;
using testing::save_file_answer;
using testing::when_modal;

template <std::size_t size>
void put(char (&slot)[size], const char* utf8) {
    write_slot(slot, utf8_to_cp932(utf8).value());
}

template <std::size_t size>
QString text_of(const char (&slot)[size]) {
    return from_cp932(read_slot(slot));
}

const QString remark_names[] = {"備考１", "備考２", "備考３", "備考４"};

class print_confirmation_test : public ::testing::Test {
  protected:
    print_confirmation_test() {
        main_window.setWindowTitle("ABC.car");
        put(session.record.customer_name, "前回の名前");
        put(session.record.remark_1, "前の備考");
        put(session.record.remark_4, "四行目");
        session.record.show_rate = 1;
    }
    ~print_confirmation_test() override { set_print_platform(system_print_platform()); }

    QWidget main_window;
    session_state session;
};

// The session's name, never the title's nor the one a quote file carried; opening stores nothing.
TEST_F(print_confirmation_test, proposes_the_sessions_customer_name) {
    for (const char* name : {"", "ABC", "ＡＢＣ"}) {
        session.customer_name = utf8_to_cp932(name).value();
        main_window.setWindowTitle("新規");
        print_confirmation_dialog dialog(&main_window, session);
        EXPECT_EQ(by_accessible_name(&dialog, "お客様名")->text(), QString::fromUtf8(name));
        EXPECT_EQ(text_of(session.record.customer_name), "前回の名前");
    }
}

TEST_F(print_confirmation_test, opens_with_the_records_remarks_and_rate_choice) {
    print_confirmation_dialog dialog(&main_window, session);
    dialog.show();
    EXPECT_EQ(by_accessible_name(&dialog, "備考１")->text(), "前の備考");
    EXPECT_EQ(by_accessible_name(&dialog, "備考２")->text(), "");
    EXPECT_EQ(by_accessible_name(&dialog, "備考４")->text(), "四行目");
    EXPECT_TRUE(by_accessible_name<QCheckBox>(&dialog, "金利を表示する")->isChecked());
    EXPECT_EQ(dialog.focusWidget(), by_accessible_name(&dialog, "お客様名"));
    EXPECT_EQ(dialog.windowTitle(), "印刷項目の確認をして下さい");
    EXPECT_EQ(dialog.frameGeometry().topLeft(), dialog.screen()->availableGeometry().topLeft());
}

TEST_F(print_confirmation_test, ok_stores_what_was_confirmed_within_the_limits) {
    struct row {
        QString name;
        QString remark;
        bool show_rate;
        QString stored_name;
        QString stored_remark;
    } rows[] = {
        {"XYZ", "納車は来月", true, "XYZ", "納車は来月"},
        {"XYZ", "", false, "XYZ", ""},
        {QString(40, 'n'), QString(50, 'r'), true, QString(29, 'n'), QString(39, 'r')},
        // A limit inside a double-byte character drops that character whole.
        {"a" + QString(15, QChar(u'山')), QString(20, QChar(u'備')), false,
         "a" + QString(14, QChar(u'山')), QString(19, QChar(u'備'))},
    };
    for (const row& r : rows) {
        print_confirmation_dialog dialog(&main_window, session);
        dialog.show();
        by_accessible_name(&dialog, "お客様名")->setText(r.name);
        for (const QString& remark : remark_names) {
            by_accessible_name(&dialog, remark)->setText(r.remark);
        }
        by_accessible_name<QCheckBox>(&dialog, "金利を表示する")->setChecked(r.show_rate);
        button_labelled(&dialog, "OK")->click();

        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(text_of(session.record.customer_name), r.stored_name);
        EXPECT_EQ(from_cp932(session.customer_name), r.stored_name);
        EXPECT_EQ(main_window.windowTitle(), "ABC.car") << "only a save or an open names it";
        EXPECT_EQ(text_of(session.record.remark_1), r.stored_remark);
        EXPECT_EQ(text_of(session.record.remark_2), r.stored_remark);
        EXPECT_EQ(text_of(session.record.remark_3), r.stored_remark);
        EXPECT_EQ(text_of(session.record.remark_4), r.stored_remark);
        EXPECT_EQ(session.record.show_rate, r.show_rate ? 1 : 0);
    }
}

TEST_F(print_confirmation_test, empty_name_is_refused_and_nothing_else_stored) {
    message_recorder recorder;
    print_confirmation_dialog dialog(&main_window, session);
    dialog.show();
    by_accessible_name(&dialog, "お客様名")->clear();
    by_accessible_name(&dialog, "備考１")->setText("新しい備考");
    by_accessible_name<QCheckBox>(&dialog, "金利を表示する")->setChecked(false);
    button_labelled(&dialog, "OK")->click();

    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].caption, "Tavri");
    EXPECT_EQ(recorder.messages[0].text, "お客様名が未入力です");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(dialog.focusWidget(), by_accessible_name(&dialog, "お客様名"));
    EXPECT_EQ(text_of(session.record.customer_name), "前回の名前");
    EXPECT_EQ(text_of(session.record.remark_1), "前の備考");
    EXPECT_EQ(session.record.show_rate, 1);
    EXPECT_EQ(main_window.windowTitle(), "ABC.car");
}

TEST_F(print_confirmation_test, fields_refuse_what_code_page_932_cannot_hold) {
    print_confirmation_dialog dialog(&main_window, session);
    dialog.show();
    for (const QString& name : {QString("お客様名"), QString("備考３")}) {
        QLineEdit* field = by_accessible_name(&dialog, name);
        field->clear();
        // One commit per character, the way an input method delivers them.
        for (const char* typed : {"A", "한", "B", "😀", "C", "髙"}) {
            QInputMethodEvent commit;
            commit.setCommitString(QString::fromUtf8(typed));
            QApplication::sendEvent(field, &commit);
        }
        EXPECT_EQ(field->text(), QString::fromUtf8("ABC髙")) << name.toStdString();
    }
}

// The branch settings dialog runs over this one; what it changes in memory is what prints.
TEST_F(print_confirmation_test, branch_settings_open_over_the_dialog_and_return_to_it) {
    print_confirmation_dialog dialog(&main_window, session);
    dialog.show();
    by_accessible_name(&dialog, "お客様名")->setText("XYZ");
    QString title;
    when_modal([&title](QWidget* settings) {
        title = settings->windowTitle();
        button_labelled(settings, "標準の値")->click();
        button_labelled(settings, "閉じる")->click();
    });
    button_labelled(&dialog, "支店名等の確認")->click();

    EXPECT_EQ(title, "初期登録");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(by_accessible_name(&dialog, "お客様名")->text(), "XYZ");
    EXPECT_EQ(text_of(session.settings.opening_line_2),
              "何卒ご用命下さいます様、宜しくお願い申し上げます。");
}

TEST_F(print_confirmation_test, cancel_changes_nothing) {
    struct row {
        const char* how;
        void (*close)(QWidget* dialog);
    } rows[] = {
        {"cancel button", [](QWidget* dialog) { button_labelled(dialog, "ｷｬﾝｾﾙ")->click(); }},
        {"escape", [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }},
        {"close box", [](QWidget* dialog) { dialog->close(); }},
    };
    session.customer_name = "ABC";
    for (const row& r : rows) {
        main_window.setWindowTitle("ABC.car");
        when_modal([&r](QWidget* dialog) {
            by_accessible_name(dialog, "お客様名")->setText("XYZ");
            by_accessible_name(dialog, "備考１")->setText("捨てる備考");
            by_accessible_name<QCheckBox>(dialog, "金利を表示する")->setChecked(false);
            r.close(dialog);
        });
        EXPECT_FALSE(run_print_confirmation_dialog(&main_window, session)) << r.how;
        EXPECT_EQ(text_of(session.record.customer_name), "前回の名前") << r.how;
        EXPECT_EQ(session.customer_name, "ABC") << r.how;
        EXPECT_EQ(text_of(session.record.remark_1), "前の備考") << r.how;
        EXPECT_EQ(session.record.show_rate, 1) << r.how;
        EXPECT_EQ(main_window.windowTitle(), "ABC.car") << r.how;
    }
}

// Both show what OK would print, keep the dialog open and store nothing; a PDF that cannot be
// written says where and why.
TEST_F(print_confirmation_test, preview_and_pdf_show_what_ok_would_print) {
    // No printer: the preview lays the page out for A4.
    print_platform no_printer = system_print_platform();
    no_printer.default_printer_name = [] { return QString(); };
    set_print_platform(no_printer);
    for (const QString button : {"プレビュー", "PDF保存..."}) {
        SCOPED_TRACE(button.toStdString());
        save_file_answer answer("estimate.pdf");
        message_recorder recorder;
        main_window.setWindowTitle("ABC.car");
        print_confirmation_dialog dialog(&main_window, session);
        dialog.show();
        by_accessible_name(&dialog, "お客様名")->clear();
        button_labelled(&dialog, button)->click();
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].text, "お客様名が未入力です");
        EXPECT_TRUE(answer.proposed.isEmpty());
        EXPECT_EQ(main_window.windowTitle(), "ABC.car");

        by_accessible_name(&dialog, "お客様名")->setText("XYZ");
        by_accessible_name(&dialog, "備考２")->setText("確認済み");
        int previewed_pages = -1;
        if (button == "プレビュー") {
            when_modal([&previewed_pages](QWidget* preview) {
                EXPECT_NE(qobject_cast<QPrintPreviewDialog*>(preview), nullptr);
                previewed_pages = preview->findChild<QPrintPreviewWidget*>()->pageCount();
                preview->close();
            });
        }
        button_labelled(&dialog, button)->click();

        EXPECT_EQ(recorder.messages.size(), 1u);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(main_window.windowTitle(), "ABC.car");
        EXPECT_EQ(text_of(session.record.remark_2), "") << "stored by OK only";
        if (button == "プレビュー") {
            EXPECT_EQ(previewed_pages, 1);
        } else {
            const QString documents =
                QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            EXPECT_EQ(answer.proposed, QStringList{QDir(documents).filePath("XYZ.pdf")});
            EXPECT_EQ(testing::pdf_info(answer.path, "Pages"), "1");
            QStringList words;
            for (const testing::pdf_word& word : testing::pdf_words(answer.path)) {
                words << word.text;
            }
            EXPECT_TRUE(words.contains("XYZ") && words.contains("確認済み"))
                << words.join(' ').toStdString();

            save_file_answer unwritable("missing/estimate.pdf");
            button_labelled(&dialog, button)->click();
            ASSERT_EQ(recorder.messages.size(), 2u);
            EXPECT_EQ(recorder.messages[1].caption, "Tavri");
            EXPECT_EQ(recorder.messages[1].text,
                      "PDFの保存に失敗しました\n保存先：" +
                          QDir::toNativeSeparators(unwritable.folder.filePath("missing")) +
                          "\n理由：フォルダがありません");
            EXPECT_TRUE(QDir(unwritable.folder.path()).isEmpty());
        }
    }
}

}  // namespace
}  // namespace carloan
