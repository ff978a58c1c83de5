#include "storage/save_name_dialog.h"

#include "gui_support.h"
#include "quote_dialog_support.h"
#include "quote_test_folder.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/session.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

namespace carloan {
namespace {

const QString unusable_name = QStringLiteral("ファイル名に使用できない文字が含まれています");

struct save_name_fixture : ::testing::Test {
    save_name_fixture() {
        session.quote_name = "before";
        session.quote_path = "/before";
    }

    // Types `text` into a freshly opened dialog and presses Enter.
    void type_and_enter(save_name_dialog& dialog, const QString& text) {
        dialog.show();
        QLineEdit* field = testing::by_accessible_name<QLineEdit>(&dialog, "ファイル名称");
        field->clear();
        // Control characters cannot be typed, only pasted.
        text.contains(QRegularExpression("[\\x00-\\x1f]")) ? field->insert(text)
                                                           : testing::type_text(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    testing::scratch_folder folder;
    session_state session;
    QWidget owner;
};

TEST_F(save_name_fixture, accepts_a_name_with_car_added_and_cut_to_29_bytes) {
    struct row {
        QString typed;
        QString name;
    } rows[] = {
        {"abc", "abc.car"},
        {"見積", "見積.car"},
        {"abc.car", "abc.car"},
        {"x.card", "x.card"},
        {"A.CAR", "A.CAR.car"},
        {"ソ表", "ソ表.car"},
        {"123456789012345678901234567890123", "12345678901234567890123456789.car"},
        {"あいうえおかきくけこさしすせそ", "あいうえおかきくけこさしすせ.car"},
        {" a", " a.car"},
    };
    for (const row& r : rows) {
        save_name_dialog dialog(&owner, session, folder.path());
        type_and_enter(dialog, r.typed);
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << r.typed.toStdString();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(from_cp932(session.quote_name), r.name);
        EXPECT_EQ(session.quote_path, folder.path() / r.name.toStdU16String());
    }
}

TEST_F(save_name_fixture, refuses_empty_and_unusable_names_and_stays_open) {
    struct row {
        QString typed;
        QString message;
    } rows[] = {
        {"", "ファイル名が未入力です"},
        {"../outside", unusable_name},
        {"a/b", unusable_name},
        {"a\\b", unusable_name},
        {".", unusable_name},
        {"..", unusable_name},
        {"a:b", unusable_name},
        {"what?", unusable_name},
        {"con", unusable_name},
        {"x.car.", unusable_name},
        {QString::fromUtf8("a\0b", 3), unusable_name},
        {QString::fromUtf8("\0", 1), unusable_name},
        {"a\tb", unusable_name},
    };
    for (const row& r : rows) {
        testing::message_recorder messages;
        session.quote_path = "/before";
        save_name_dialog dialog(&owner, session, folder.path());
        type_and_enter(dialog, r.typed);
        ASSERT_EQ(messages.messages.size(), 1u) << r.typed.toStdString();
        EXPECT_EQ(messages.messages[0].caption, "Tavri");
        EXPECT_EQ(messages.messages[0].text, r.message);
        EXPECT_TRUE(dialog.isVisible()) << r.typed.toStdString();
        EXPECT_EQ(session.quote_name, no_quote_name);
        EXPECT_EQ(session.quote_path, "/before");

        // A usable name afterwards still saves.
        type_and_enter(dialog, "ok");
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(session.quote_name, "ok.car");
    }
    EXPECT_EQ(folder.entry_count(), 0u);
}

TEST_F(save_name_fixture, cancel_escape_and_close_leave_the_cancel_name) {
    for (int way = 0; way < 3; ++way) {
        session.quote_name = "abc.car";
        save_name_dialog dialog(&owner, session, folder.path());
        dialog.show();
        testing::by_accessible_name<QLineEdit>(&dialog, "ファイル名称")->setText("typed");
        if (way == 0) {
            dialog.findChild<QPushButton*>("cancel_button")->click();
        } else if (way == 1) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else {
            dialog.close();
        }
        EXPECT_FALSE(dialog.isVisible()) << way;
        EXPECT_EQ(session.quote_name, no_quote_name) << way;
        EXPECT_EQ(session.quote_path, "/before") << way;
    }
}

TEST_F(save_name_fixture, proposes_the_quote_file_name_unless_it_is_new) {
    save_name_dialog fresh(&owner, session, folder.path());
    EXPECT_EQ(fresh.windowTitle(), "保存するファイル名の指定");
    EXPECT_EQ(fresh.name_text(), "");

    session.quote_file_name = utf8_to_cp932("見積.car").value();
    owner.setWindowTitle("別.car");  // the title only shows the name; it is never read back
    save_name_dialog after_save(&owner, session, folder.path());
    EXPECT_EQ(after_save.name_text(), "見積.car");
    after_save.show();
    QApplication::setActiveWindow(&after_save);
    QLineEdit* field = testing::by_accessible_name<QLineEdit>(&after_save, "ファイル名称");
    EXPECT_EQ(after_save.focusWidget(), field);
    EXPECT_EQ(after_save.frameGeometry().topLeft(),
              after_save.screen()->availableGeometry().topLeft());

    // Characters code page 932 cannot hold never reach the field.
    field->clear();
    testing::type_text(field, "a한b");
    EXPECT_EQ(field->text(), "ab");
}

TEST_F(save_name_fixture, run_builds_the_path_in_the_quote_folder) {
    // The second folder cannot be made: its parent is a file. It must stay the folder all the
    // same, not become the working directory.
    const std::filesystem::path unusable = folder.write("plain", "x") / "sub";
    for (const std::filesystem::path& data_home : {folder.path(), unusable}) {
        testing::environment_variable pointed("XDG_DATA_HOME", data_home.string());
        testing::when_modal([](QWidget* dialog) {
            QLineEdit* field = testing::by_accessible_name<QLineEdit>(dialog, "ファイル名称");
            testing::type_text(field, "見積");
            QTest::keyClick(field, Qt::Key_Return);
        });
        run_save_name_dialog(&owner, session);
        EXPECT_EQ(from_cp932(session.quote_name), "見積.car");
        EXPECT_EQ(session.quote_path, data_home / "carloan" / "quotes" / u8"見積.car");
    }
}

}  // namespace
}  // namespace carloan
