#include "storage/branch_settings_dialog.h"

#include "app/main_window.h"
#include "gui_support.h"
#include "storage/earlier_quotes_notice.h"
#include "storage/standard_letter_lines.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/session.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace carloan {
namespace {

namespace fs = std::filesystem;
using testing::button_labelled;
using testing::by_accessible_name;
using testing::message_recorder;
using testing::when_modal;

const std::array<QString, 8> labels{"支店名称",   "電話番号",     "担当者名称",   "文頭一行目",
                                    "文頭二行目", "尚書き一行目", "尚書き二行目", "尚書き三行目"};

std::string read_file(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void write_file(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string bytes_of(const branch_settings& settings) {
    return std::string(reinterpret_cast<const char*>(&settings), sizeof settings);
}

std::string repeated(const char* utf8, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += *utf8_to_cp932(utf8);
    }
    return text;
}

// Types at the end of the field as a keyboard or an input method would, one character at a
// time, so the validator sees every edit.
void type(QLineEdit* edit, const QString& text) {
    edit->end(false);
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

class branch_settings_dialog_test : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
    }
    void TearDown() override { QDir::setCurrent(previous); }

    // Opens the dialog as 初期登録 does and runs `act` inside it; `act` must close it.
    void run(std::function<void(QWidget*)> act) {
        when_modal(std::move(act));
        run_branch_settings_dialog(nullptr, session);
    }

    QTemporaryDir folder;
    QString previous;
    session_state session;
    const fs::path file = "car.ini";
};

TEST_F(branch_settings_dialog_test, opens_top_left_showing_the_file_not_the_record) {
    branch_settings on_disk{};
    write_slot(on_disk.branch_name, *utf8_to_cp932("新宿支店"));
    write_slot(on_disk.telephone, "03-1234-5678");
    write_file(file, bytes_of(on_disk));
    write_slot(session.settings.branch_name, "stale");
    write_slot(session.settings.note_line_1, "stale");

    run([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "初期登録");
        EXPECT_EQ(dialog->frameGeometry().topLeft(),
                  dialog->screen()->availableGeometry().topLeft());
        for (const QString& label : labels) {
            ASSERT_TRUE(by_accessible_name(dialog, label));
        }
        EXPECT_EQ(by_accessible_name(dialog, "支店名称")->text(), "新宿支店");
        EXPECT_EQ(by_accessible_name(dialog, "電話番号")->text(), "03-1234-5678");
        EXPECT_EQ(by_accessible_name(dialog, "尚書き一行目")->text(), "");
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        EXPECT_EQ(QApplication::focusWidget(), by_accessible_name(dialog, "支店名称"));
        bool instruction = false;
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            instruction |= label->text() == "見積書等に表示する基本項目を登録して下さい";
        }
        EXPECT_TRUE(instruction);
        button_labelled(dialog, "閉じる")->click();
    });
    EXPECT_EQ(bytes_of(session.settings), bytes_of(on_disk));
}

TEST_F(branch_settings_dialog_test, update_stores_every_text_cut_to_its_read_limit) {
    // Each slot keeps its last byte, so a text reaches at most size - 2 bytes, and a double-byte
    // character that would cross that limit is dropped whole.
    struct row {
        QString label;
        QString typed;
        std::string stored;
    };
    const std::array<row, 8> rows{{
        {"支店名称", QString(40, 'b'), std::string(29, 'b')},
        {"電話番号", "03-1234-5678-9012", "03-1234-5678-9"},
        {"担当者名称", QString(16, 's') + "山田", std::string(16, 's')},
        {"文頭一行目", "拝啓", *utf8_to_cp932("拝啓")},
        {"文頭二行目", QString(42, u'あ'), repeated("あ", 41)},
        {"尚書き一行目", "a" + QString(42, u'い'), "a" + repeated("い", 41)},
        {"尚書き二行目", "", ""},
        {"尚書き三行目", "end", "end"},
    }};
    run([&](QWidget* dialog) {
        for (const row& r : rows) {
            type(by_accessible_name(dialog, r.label), r.typed);
        }
        button_labelled(dialog, "更新")->click();
        EXPECT_TRUE(dialog->isVisible());
        button_labelled(dialog, "閉じる")->click();
    });

    branch_settings expected{};
    const std::array<std::span<char>, 8> texts{expected.branch_name,    expected.telephone,
                                               expected.staff_name,     expected.opening_line_1,
                                               expected.opening_line_2, expected.note_line_1,
                                               expected.note_line_2,    expected.note_line_3};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::memcpy(texts[i].data(), rows[i].stored.data(), rows[i].stored.size());
    }
    EXPECT_EQ(read_file(file), bytes_of(expected));
    EXPECT_EQ(bytes_of(session.settings), bytes_of(expected));
}

TEST_F(branch_settings_dialog_test,
       shorter_text_over_a_longer_one_leaves_the_old_tail_in_the_file) {
    run([](QWidget* dialog) {
        type(by_accessible_name(dialog, "支店名称"), "ABCDEFGH");
        button_labelled(dialog, "更新")->click();
        by_accessible_name(dialog, "支店名称")->clear();
        type(by_accessible_name(dialog, "支店名称"), "XY");
        button_labelled(dialog, "更新")->click();
        button_labelled(dialog, "閉じる")->click();
    });
    EXPECT_EQ(read_file(file).substr(0, 10), std::string("XY\0DEFGH\0\0", 10));

    run([](QWidget* dialog) {
        EXPECT_EQ(by_accessible_name(dialog, "支店名称")->text(), "XY");
        button_labelled(dialog, "閉じる")->click();
    });
}

TEST_F(branch_settings_dialog_test, foreign_file_without_terminators_shows_each_slot_alone) {
    write_file(file, std::string(491, 'A'));
    run([](QWidget* dialog) {
        const std::array<int, 8> slot_sizes{31, 16, 19, 85, 85, 85, 85, 85};
        for (std::size_t i = 0; i < labels.size(); ++i) {
            EXPECT_EQ(by_accessible_name(dialog, labels[i])->text(), QString(slot_sizes[i], 'A'))
                << i;
        }
        button_labelled(dialog, "更新")->click();
        button_labelled(dialog, "閉じる")->click();
    });
    // Read back through the read limits: each text is cut, and the slot's last byte is untouched.
    const std::string stored = read_file(file);
    EXPECT_EQ(stored.substr(0, 31), std::string(29, 'A') + std::string("\0A", 2));
    EXPECT_EQ(stored.substr(31, 16), std::string(14, 'A') + std::string("\0A", 2));
    EXPECT_EQ(stored.size(), 491u);
}

TEST_F(branch_settings_dialog_test, fields_hold_only_what_code_page_932_can) {
    branch_settings on_disk{};
    write_slot(on_disk.branch_name, std::string("ab\x85\x40", 4));  // 0x85 0x40 is unassigned
    write_file(file, bytes_of(on_disk));
    run([](QWidget* dialog) {
        // Left out on display, or the validator would refuse every later edit, even a deletion.
        EXPECT_EQ(by_accessible_name(dialog, "支店名称")->text(), "ab");
        type(by_accessible_name(dialog, "支店名称"), QString::fromUtf8("caf\u00e9 \U0001F600ok"));
        EXPECT_EQ(by_accessible_name(dialog, "支店名称")->text(), "abcaf ok");
        button_labelled(dialog, "閉じる")->click();
    });
}

TEST_F(branch_settings_dialog_test, standard_lines_then_close_change_the_record_but_not_the_file) {
    branch_settings on_disk{};
    write_slot(on_disk.branch_name, "Ueno");
    write_slot(on_disk.opening_line_1, "kept on disk");
    write_file(file, bytes_of(on_disk));

    run([](QWidget* dialog) {
        type(by_accessible_name(dialog, "支店名称"), "-typed");
        button_labelled(dialog, "標準の値")->click();
        EXPECT_EQ(to_cp932(by_accessible_name(dialog, "文頭一行目")->text()),
                  standard_letter_lines()[0]);
        EXPECT_EQ(to_cp932(by_accessible_name(dialog, "尚書き三行目")->text()),
                  standard_letter_lines()[4]);
        EXPECT_EQ(by_accessible_name(dialog, "支店名称")->text(), "Ueno-typed");
        button_labelled(dialog, "閉じる")->click();
    });
    EXPECT_EQ(read_file(file), bytes_of(on_disk));
    EXPECT_EQ(read_slot(session.settings.branch_name), "Ueno");
    EXPECT_EQ(read_slot(session.settings.opening_line_1), standard_letter_lines()[0]);
    EXPECT_EQ(read_slot(session.settings.note_line_3), standard_letter_lines()[4]);

    run([](QWidget* dialog) {
        EXPECT_EQ(by_accessible_name(dialog, "文頭一行目")->text(), "kept on disk");
        button_labelled(dialog, "閉じる")->click();
    });
    EXPECT_EQ(bytes_of(session.settings), bytes_of(on_disk));
}

// Enter in a field stores what was typed, as 更新 does, and leaves the dialog open.
TEST_F(branch_settings_dialog_test, only_close_ends_it_and_enter_stores) {
    bool still_open_after_escape = false;
    bool still_open_after_close_box = false;
    bool stored_before_enter = true;
    bool still_open_after_enter = false;
    run([&](QWidget* dialog) {
        type(by_accessible_name(dialog, "支店名称"), "typed");
        QTest::keyClick(by_accessible_name(dialog, "支店名称"), Qt::Key_Escape);
        still_open_after_escape = dialog->isVisible();
        dialog->close();
        still_open_after_close_box = dialog->isVisible();
        stored_before_enter = fs::exists(file);
        QTest::keyClick(by_accessible_name(dialog, "支店名称"), Qt::Key_Return);
        still_open_after_enter = dialog->isVisible();
        button_labelled(dialog, "閉じる")->click();
    });
    EXPECT_TRUE(still_open_after_escape);
    EXPECT_TRUE(still_open_after_close_box);
    EXPECT_FALSE(stored_before_enter);
    EXPECT_TRUE(still_open_after_enter);
    EXPECT_EQ(read_slot(session.settings.branch_name), "typed");
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(read_file(file), bytes_of(session.settings));
}

TEST_F(branch_settings_dialog_test, failed_store_says_so_and_keeps_the_new_texts) {
    // A folder in the file's place cannot be replaced by a file, even by root.
    fs::create_directories(file / "inside");
    message_recorder messages;
    run([&](QWidget* dialog) {
        type(by_accessible_name(dialog, "支店名称"), "Shibuya");
        button_labelled(dialog, "更新")->click();
        EXPECT_TRUE(dialog->isVisible());
        button_labelled(dialog, "閉じる")->click();
    });
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Tavri");
    EXPECT_TRUE(messages.messages[0].text.startsWith("初期登録の保存に失敗しました\n保存先："));
    EXPECT_TRUE(
        messages.messages[0].text.endsWith("\n理由：同じ名前のフォルダか特殊なファイルがあります"));
    EXPECT_EQ(read_slot(session.settings.branch_name), "Shibuya");
    EXPECT_TRUE(fs::is_directory(file / "inside"));
}

TEST_F(branch_settings_dialog_test,
       shows_the_branch_file_stores_the_users_own_and_reads_that_after) {
    branch_settings branch{};
    write_slot(branch.branch_name, "Branch");
    write_slot(branch.note_line_3, "kept");
    write_file(file, bytes_of(branch));
    // The working directory may be read-only for the clerk: it is never written.
    const fs::path own = fs::path(folder.path().toStdString()) / "profile" / "carloan" / "car.ini";
    session.own_settings_path = own;
    run([&](QWidget* dialog) {
        EXPECT_EQ(by_accessible_name(dialog, "支店名称")->text(), "Branch");
        type(by_accessible_name(dialog, "支店名称"), "2");
        button_labelled(dialog, "更新")->click();
        button_labelled(dialog, "閉じる")->click();
    });
    EXPECT_EQ(read_file(file), bytes_of(branch));
    write_slot(branch.branch_name, "Branch2");
    EXPECT_EQ(read_file(own), bytes_of(branch));
    EXPECT_EQ(session.settings_path, own);
    run([&](QWidget* dialog) {
        EXPECT_EQ(by_accessible_name(dialog, "支店名称")->text(), "Branch2");
        button_labelled(dialog, "閉じる")->click();
    });
}

TEST(earlier_quotes_notice, names_the_folder_and_each_quote_left_in_one_message) {
    EXPECT_EQ(quotes_left_message({}), "");
    message_recorder messages;
    tell_quotes_left(nullptr, {});
    EXPECT_TRUE(messages.messages.empty());
    tell_quotes_left(nullptr, {fs::path("/tmp/a.car"), fs::path(u8"/tmp/見積.car")});
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Tavri");
    EXPECT_EQ(
        messages.messages[0].text,
        "次の見積は同じ名前が既にあるなどのため見積フォルダへ移せず、元の場所に残しています。\n" +
            QDir::toNativeSeparators("/tmp") + "\na.car\n見積.car");
}

TEST_F(branch_settings_dialog_test, reports_focus_moving_between_fields_by_control_number) {
    branch_settings_dialog dialog(session);
    QSignalSpy gained(&dialog, &branch_settings_dialog::field_focus_gained);
    QSignalSpy lost(&dialog, &branch_settings_dialog::field_focus_lost);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    ASSERT_FALSE(gained.empty());
    EXPECT_EQ(gained.front().at(0).toInt(), 1005);  // opens in the branch name
    gained.clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);

    auto controls = [](const QSignalSpy& spy) {
        std::vector<int> seen;
        for (const QList<QVariant>& call : spy) {
            seen.push_back(call.at(0).toInt());
        }
        return seen;
    };
    EXPECT_EQ(controls(gained), (std::vector<int>{1006, 1007}));
    EXPECT_EQ(controls(lost), (std::vector<int>{1005, 1006}));
    EXPECT_EQ(dialog.field(branch_settings_control::staff_name), QApplication::focusWidget());
    dialog.accept();
}

TEST_F(branch_settings_dialog_test, opens_from_the_main_window_button) {
    main_window window(session);
    window.show();
    QWidget* opened_over = nullptr;
    when_modal([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "初期登録");
        opened_over = dialog->parentWidget();
        button_labelled(dialog, "閉じる")->click();
    });
    window.findChild<QPushButton*>("settings_button")->click();
    EXPECT_EQ(opened_over, &window);
    window.done(0);
}

}  // namespace
}  // namespace carloan
