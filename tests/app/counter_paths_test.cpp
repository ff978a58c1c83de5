// A clerk's paths through the real main window and its real dialogs, each told by what the clerk
// then sees: figures that no longer belong to the inputs, what a failed print says, what leaving
// asks, what Enter does in 明細, the names a print proposes and where a save goes.

#include "app/main_window.h"
#include "gui_support.h"
#include "print/print_pages.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/session.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardPaths>
#include <QTest>

#include <functional>
#include <memory>

namespace carloan {
namespace {

using testing::button_labelled;
using testing::by_accessible_name;
using testing::when_modal;

// Public: the paths below walk through it from outside.
class counter_paths_test : public ::testing::Test {
  public:
    void SetUp() override {
        window = std::make_unique<main_window>(session);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override { set_print_platform(system_print_platform()); }

    QLineEdit* named(const char* name) const {
        return by_accessible_name(window.get(), QString::fromUtf8(name));
    }
    void click(const char* button) const {
        window->findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
    }
    void quote_first_example() const {
        window->field(main_control::rate)->setText("9.9");
        window->field(main_control::payment_count)->setText("36");
        window->field(main_control::net_balance)->setText("1,000,000");
        click("calculate_button");
    }
    // How the loan fee reads: its text, and "(古い)" while it is marked out of date.
    QString fee() const {
        QLineEdit* field = window->field(main_control::loan_fee);
        const bool stale = field->font().strikeOut() &&
                           field->accessibleDescription().contains(QStringLiteral("古い"));
        return field->text().trimmed() + (stale ? QStringLiteral("(古い)") : QString());
    }
    QString status() const { return window->findChild<QLabel*>("status_label")->text(); }
    // Confirms the print with `name` (unchanged when empty), after noting the name proposed.
    void confirm_print(const QString& name, bool ok = true) {
        when_modal([this, name, ok](QWidget* dialog) {
            QLineEdit* customer = by_accessible_name(dialog, QStringLiteral("お客様名"));
            seen << QStringLiteral("proposed:") + customer->text();
            if (!name.isEmpty()) {
                customer->setText(name);
            }
            button_labelled(dialog, ok ? QStringLiteral("OK") : QStringLiteral("ｷｬﾝｾﾙ"))->click();
        });
        click("print_button");
    }
    void no_printer() {
        print_platform platform = system_print_platform();
        platform.default_printer_name = [] { return QString(); };
        set_print_platform(platform);
    }

    testing::message_recorder messages;
    session_state session;
    std::unique_ptr<main_window> window;
    QStringList seen;
};

TEST_F(counter_paths_test, what_the_clerk_sees) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const struct {
        const char* path;
        std::function<void(counter_paths_test&)> walk;
        QStringList seen;
    } paths[] = {
        {"figures of changed inputs are marked until 計算",
         [](counter_paths_test& t) {
             t.quote_first_example();
             t.seen << t.fee();
             QLineEdit* balance = t.named("差引残高（円）");
             balance->setFocus();
             QTest::keyClick(balance, Qt::Key_Backspace);
             t.seen << t.fee();
             QTest::keyClick(balance, Qt::Key_0);
             QTest::keyClick(balance, Qt::Key_Return);
             t.seen << t.fee();
             t.click("method_toggle");
             t.seen << t.fee();
         },
         {"159,900", "159,900(古い)", "159,900", "159,900(古い)"}},
        {"the switches name their own state and take the focus",
         [](counter_paths_test& t) {
             for (const char* name : {"cycle_toggle", "method_toggle"}) {
                 auto* toggle = t.window->findChild<QAbstractButton*>(name);
                 toggle->setFocus();
                 QTest::keyClick(toggle, Qt::Key_Space);
                 t.seen << toggle->accessibleName() + (toggle->isCheckable() ? "?" : "") +
                               (toggle->hasFocus() ? "" : " (no focus)");
             }
             t.seen << QString::number(t.session.flags.cycle_mode) +
                           QString::number(t.session.flags.bonus_method);
         },
         {"第二サイクル計上", "ボーナス月総額方式", "21"}},
        {"a failed print says so, under the house caption",
         [](counter_paths_test& t) {
             t.no_printer();
             t.quote_first_example();
             t.confirm_print(QStringLiteral("山田"));
             t.seen << t.messages.messages.at(0).caption + ":" + t.messages.messages.at(0).text
                    << t.status();
         },
         {"proposed:", "Tavri:プリンタ名の取得に失敗しました", "印刷に失敗しました。"}},
        {"a new quote proposes no name, names no file, and a cancel changes nothing",
         [](counter_paths_test& t) {
             t.no_printer();
             t.quote_first_example();
             t.confirm_print(QStringLiteral("山田"), false);
             t.seen << t.window->windowTitle()
                    << from_cp932(read_slot(t.session.record.customer_name));
             t.confirm_print(QStringLiteral("山田"));
             t.seen << t.window->windowTitle()
                    << from_cp932(read_slot(t.session.record.customer_name));
             t.confirm_print({}, false);
         },
         {"proposed:", "新規", "", "proposed:", "新規", "山田", "proposed:山田"}},
        {"leaving asks only for an unsaved quote; キャンセル stays, 終了 leaves",
         [](counter_paths_test& t) {
             t.click("quit_button");
             t.seen << (t.window->isVisible() ? "stays" : "ends at once");
             t.window->show();
             t.quote_first_example();
             t.messages.answers = {message_answer::cancel, message_answer::quit};
             QTest::keyClick(t.named("実質年率（％）"), Qt::Key_Escape);
             t.seen << (t.window->isVisible() ? "stays" : "ends");
             t.window->close();
             t.seen << (t.window->isVisible() ? "stays" : "ends");
             for (const testing::shown_message& asked : t.messages.messages) {
                 t.seen << asked.text;
             }
         },
         {"ends at once", "stays", "ends", "見積が保存されていません。保存しますか？",
          "見積が保存されていません。保存しますか？"}},
        {"保存 on leaving saves through the save dialog, then leaves",
         [](counter_paths_test& t) {
             t.quote_first_example();
             when_modal([](QWidget* dialog) {
                 by_accessible_name(dialog, QStringLiteral("ファイル名称"))->setText("abc");
                 button_labelled(dialog, QStringLiteral("保存する"))->click();
             });
             t.click("quit_button");  // Enter in the question: 保存
             t.seen << (t.window->isVisible() ? "stays" : "ends") << t.window->windowTitle()
                    << (QFile::exists(QString::fromStdU16String(t.session.quote_path.u16string()))
                            ? "saved"
                            : "not saved");
         },
         {"ends", "abc.car", "saved"}},
        {"Enter in a field of 明細 lists, and only 閉じる ends it",
         [](counter_paths_test& t) {
             t.quote_first_example();
             when_modal([&t](QWidget* dialog) {
                 QLineEdit* year = by_accessible_name(dialog, QStringLiteral("返済開始年"));
                 year->setText("2024");
                 by_accessible_name(dialog, QStringLiteral("返済開始月"))->setText("5");
                 QTest::keyClick(year, Qt::Key_Return);
                 t.seen << QString::number(dialog->findChild<QListWidget*>()->count())
                        << (dialog->isVisible() ? "open" : "closed") << year->text();
                 button_labelled(dialog, QStringLiteral("閉じる"))->click();
             });
             t.click("schedule_button");
         },
         {"36", "open", "2024"}},
        {"a save is proposed in a documents folder that exists, made when missing",
         [documents](counter_paths_test& t) {
             t.quote_first_example();
             testing::save_file_answer answer({});
             const auto save_pdf = [&t] {
                 when_modal([](QWidget* dialog) {
                     by_accessible_name(dialog, QStringLiteral("お客様名"))->setText("山田");
                     button_labelled(dialog, QStringLiteral("PDF保存..."))->click();
                     button_labelled(dialog, QStringLiteral("ｷｬﾝｾﾙ"))->click();
                 });
                 t.click("print_button");
             };
             QDir(documents).removeRecursively();
             save_pdf();
             t.seen << (QFileInfo(documents).isDir() ? "made" : "not made");
             QDir(documents).removeRecursively();
             QFile blocker(documents);  // a file where the folder should be: home instead
             blocker.open(QIODevice::WriteOnly);
             blocker.close();
             save_pdf();
             QFile::remove(documents);
             t.seen << answer.proposed;
         },
         {"made", QDir(documents).filePath("山田.pdf"),
          QDir(QDir::homePath()).filePath("山田.pdf")}},
    };
    for (const auto& p : paths) {
        SCOPED_TRACE(p.path);
        window.reset();
        session = {};
        SetUp();
        messages.messages.clear();
        messages.answers.clear();
        seen.clear();
        p.walk(*this);
        EXPECT_EQ(seen, p.seen);
    }
}

}  // namespace
}  // namespace carloan
