#include "storage/open_dialog.h"

#include "gui_support.h"
#include "quote_dialog_support.h"
#include "quote_test_folder.h"
#include "text/qt_text.h"
#include "ui/session.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace carloan {
namespace {

struct open_fixture : ::testing::Test {
    open_fixture() {
        session.quote_name = "before";
        session.quote_path = "/before";
        for (const char* name : {"b.car", "A.car", "見積.car", "notes.txt"}) {
            folder.write(
                std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(name))), "x");
        }
    }

    void open() {
        dialog = std::make_unique<open_dialog>(nullptr, session, folder.path());
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        list = testing::by_accessible_name<QListWidget>(dialog.get(), "ファイル一覧");
        field = testing::by_accessible_name<QLineEdit>(dialog.get(), "ファイル名称");
    }

    QStringList listed() const {
        QStringList names;
        for (int row = 0; row < list->count(); ++row) {
            names.push_back(list->item(row)->text());
        }
        return names;
    }

    void click(const char* button) { dialog->findChild<QPushButton*>(button)->click(); }

    testing::scratch_folder folder;
    session_state session;
    std::unique_ptr<open_dialog> dialog;
    QListWidget* list = nullptr;
    QLineEdit* field = nullptr;
};

TEST_F(open_fixture, lists_the_quote_files_sorted_with_the_focus_in_the_list) {
    open();
    EXPECT_EQ(dialog->windowTitle(), "読込むファイルの選択");
    EXPECT_EQ(listed(), QStringList({"A.car", "b.car", "見積.car"}));
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(dialog->focusWidget(), list);
    EXPECT_EQ(dialog->frameGeometry().topLeft(), dialog->screen()->availableGeometry().topLeft());
}

TEST_F(open_fixture, selecting_a_line_by_keyboard_or_mouse_fills_the_name) {
    open();
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(field->text(), "b.car");
    list->setCurrentRow(2);
    EXPECT_EQ(field->text(), "見積.car");

    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(from_cp932(session.quote_name), "見積.car");
    EXPECT_EQ(session.quote_path, folder.path() / u8"見積.car");

    open();
    const QPoint line = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line);  // a double click's first
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line);
    EXPECT_FALSE(dialog->isVisible()) << "a double click opens";
    EXPECT_EQ(session.quote_name, "b.car");
}

TEST_F(open_fixture, ok_takes_the_typed_name_whole_without_adding_car) {
    struct row {
        QString typed;
    } rows[] = {{"abc"}, {"b.car"}, {"123456789012345678901234567890123.car"}, {"a:b"}};
    for (const row& r : rows) {
        open();
        testing::type_text(field, r.typed);
        click("ok_button");
        EXPECT_FALSE(dialog->isVisible()) << r.typed.toStdString();
        EXPECT_EQ(from_cp932(session.quote_name), r.typed);
        EXPECT_EQ(session.quote_path, folder.path() / r.typed.toStdU16String());
    }
}

TEST_F(open_fixture, refuses_empty_and_outside_names_and_stays_open) {
    struct row {
        QString typed;
        QString message;
    } rows[] = {
        {"", "ファイルが選択されていません"},
        {"../b.car", "ファイル名に使用できない文字が含まれています"},
        {"..", "ファイル名に使用できない文字が含まれています"},
        {"/etc/passwd", "ファイル名に使用できない文字が含まれています"},
        {QString::fromUtf8("b.car\0x", 7), "ファイル名に使用できない文字が含まれています"},
    };
    for (const char* button : {"ok_button", "delete_button"}) {
        for (const row& r : rows) {
            testing::message_recorder messages;
            open();
            field->setText(r.typed);
            folder.write("late.car", "x");  // the refresh after 削除 shows it
            click(button);
            ASSERT_EQ(messages.messages.size(), 1u) << button << r.typed.toStdString();
            EXPECT_EQ(messages.messages[0].caption, "Tavri");
            EXPECT_EQ(messages.messages[0].text, r.message);
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(session.quote_name, no_quote_name);
            EXPECT_EQ(session.quote_path, "/before");
            EXPECT_EQ(listed().contains("late.car"), std::string(button) == "delete_button");
            std::filesystem::remove(folder.path() / "late.car");
        }
    }
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "b.car"));
}

TEST_F(open_fixture, delete_asks_then_removes_the_named_file_and_lists_again) {
    testing::message_recorder messages;
    folder.write("12345678901234567890123456789.car", "x");  // a 33-byte saved name
    open();
    list->setCurrentRow(0);
    click("delete_button");  // いいえ, the default: nothing changes
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "「12345678901234567890123456789.car」を削除しますか？");
    EXPECT_EQ(messages.messages[0].answers, (std::vector{message_answer::yes, message_answer::no}));
    EXPECT_EQ(messages.messages[0].default_answer, message_answer::no);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "12345678901234567890123456789.car"));
    EXPECT_EQ(field->text(), "12345678901234567890123456789.car");

    messages.answers = {message_answer::yes, message_answer::yes};
    click("delete_button");
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "12345678901234567890123456789.car"));
    EXPECT_EQ(session.quote_name, "12345678901234567890123456789.car");
    EXPECT_EQ(listed(), QStringList({"A.car", "b.car", "見積.car"}));
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(dialog->focusWidget(), list);

    // A missing file is passed over; the list still refreshes.
    field->setText("gone.car");
    folder.write("c.car", "x");
    click("delete_button");
    EXPECT_EQ(listed(), QStringList({"A.car", "b.car", "c.car", "見積.car"}));

    click("cancel_button");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(session.quote_name, no_quote_name);
}

TEST_F(open_fixture, cancel_and_escape_leave_the_cancel_name) {
    for (bool escape : {false, true}) {
        open();
        list->setCurrentRow(0);
        escape ? QTest::keyClick(dialog.get(), Qt::Key_Escape) : click("cancel_button");
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(session.quote_name, no_quote_name);
        EXPECT_EQ(session.quote_path, "/before");
    }
}

}  // namespace
}  // namespace carloan
