// The residual plan through the main window: F8 opens 残価設定 over the form's inputs, its 計算
// shows the plan without touching the window's figures, the price lines give the window's 差引残高,
// and a save writes them after the record, to be read back by 読込.

#include "plans/residual_dialog.h"
#include "app/main_window.h"
#include "gui_support.h"
#include "storage/quote_record.h"
#include "ui/session.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

namespace carloan {
namespace {

using testing::button_labelled;
using testing::by_accessible_name;

class residual_window_test : public ::testing::Test {
  protected:
    void SetUp() override {
        steps = main_window_steps::program();
        const auto choose = [this](QWidget*, session_state& state) {
            state.quote_name = "R.car";
            state.quote_path = std::filesystem::path(folder.path().toStdString()) / "R.car";
        };
        steps.save_name_dialog = choose;
        steps.open_dialog = choose;
        start();
    }
    void start() {
        window = std::make_unique<main_window>(session, steps);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QLineEdit* window_field(const char* name) const {
        return by_accessible_name(window.get(), QString::fromUtf8(name));
    }
    // Types the texts into the dialog's fields by name, then clicks each button named, then
    // 閉じる; F8 opens the dialog, as a clerk opens it.
    void in_dialog(const std::vector<std::pair<const char*, const char*>>& typed,
                   const std::vector<const char*>& clicks,
                   const std::function<void(QWidget*)>& check = {}) {
        bool closed = false;
        testing::when_modal([&](QWidget* dialog) {
            for (const auto& [name, text] : typed) {
                by_accessible_name(dialog, QString::fromUtf8(name))
                    ->setText(QString::fromUtf8(text));
            }
            for (const char* button : clicks) {
                button_labelled(dialog, QString::fromUtf8(button))->click();
            }
            if (check) {
                check(dialog);
            }
            button_labelled(dialog, QStringLiteral("閉じる"))->click();
            closed = true;
        });
        // The key presses the button as a click would, which opens the dialog a moment later.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
        for (int waited = 0; !closed && waited < 5000; waited += 10) {
            QTest::qWait(10);
        }
        ASSERT_TRUE(closed);
    }
    static QString shown(QWidget* dialog, const char* name) {
        return by_accessible_name(dialog, QString::fromUtf8(name))->text().trimmed();
    }

    QTemporaryDir folder;
    testing::message_recorder messages;
    session_state session;
    main_window_steps steps;
    std::unique_ptr<main_window> window;
};

TEST_F(residual_window_test, quotes_refuses_and_saves_the_residual_plan) {
    window_field("実質年率（％）")->setText("4.2");
    window_field("返済回数")->setText("60");
    window_field("差引残高（円）")->setText("1906500");
    button_labelled(window.get(), QStringLiteral("計算"))->click();
    const QString ordinary_fee = window_field("融資手数料")->text();
    const QString ordinary_first = window_field("１回目")->text();

    // The worked example, then a residual not below the balance, which leaves the figures shown.
    const struct {
        const char* name;
        const char* figure;
    } expected[] = {
        {"融資手数料", "303,694"},   {"融資額", "2,210,194"},    {"初回", "23,594"},
        {"２回目以降", "21,200"},    {"２回目以降の回数", "58"}, {"最終回（残価）", "957,000"},
        {"お支払総額", "2,210,194"}, {"差引残高", "1,906,500"},
    };
    const testing::save_file_answer pdf(QStringLiteral("residual.pdf"));
    in_dialog({{"残価", "957000"}}, {"計算", "PDF保存..."}, [&](QWidget* dialog) {
        for (const auto& e : expected) {
            EXPECT_EQ(shown(dialog, e.name), QString::fromUtf8(e.figure)) << e.name;
        }
        EXPECT_GT(QFileInfo(pdf.path).size(), 0);
        by_accessible_name(dialog, QStringLiteral("残価"))->setText("1906500");
        button_labelled(dialog, QStringLiteral("計算"))->click();
        for (const auto& e : expected) {
            EXPECT_EQ(shown(dialog, e.name), QString::fromUtf8(e.figure)) << e.name;
        }
        by_accessible_name(dialog, QStringLiteral("残価"))->setText("957000");
    });
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, QStringLiteral("Tavri"));
    EXPECT_EQ(window_field("融資手数料")->text(), ordinary_fee);
    EXPECT_EQ(window_field("１回目")->text(), ordinary_first);

    // The price lines make the same balance, which the window's 差引残高 then shows.
    in_dialog({{"車両本体価格", "2,000,000"}, {"諸費用", "20.65万"}, {"頭金", "300000"}}, {"計算"},
              [&](QWidget* dialog) {
                  EXPECT_EQ(shown(dialog, "現金販売価格"), QStringLiteral("2,206,500"));
                  EXPECT_EQ(shown(dialog, "お支払総額"), QStringLiteral("2,510,194"));
                  EXPECT_EQ(shown(dialog, "最終回（残価）"), QStringLiteral("957,000"));
              });
    EXPECT_EQ(window_field("差引残高（円）")->text().trimmed(), QStringLiteral("1,906,500"));
    EXPECT_EQ(messages.messages.size(), 1u);

    button_labelled(window.get(), QStringLiteral("保存"))->click();
    const std::filesystem::path saved = session.quote_path;
    ASSERT_EQ(std::filesystem::file_size(saved), sizeof(quote_record) + 120);

    // Read back whole into a new session, then with the block damaged: the record still opens.
    for (const bool damaged : {false, true}) {
        if (damaged) {
            std::fstream file(saved, std::ios::in | std::ios::out | std::ios::binary);
            file.seekp(sizeof(quote_record) + 30);
            file.put('#');
        }
        window.reset();
        session = session_state{};
        messages.messages.clear();
        start();
        button_labelled(window.get(), QStringLiteral("読込"))->click();
        EXPECT_EQ(window_field("融資手数料")->text(), ordinary_fee) << damaged;
        EXPECT_EQ(messages.messages.size(), damaged ? 1u : 0u);
        EXPECT_EQ(session.residual_text, damaged ? "" : "957000");
        EXPECT_EQ(session.price_lines.down_payment_text, damaged ? "" : "300000");
        if (!damaged) {
            in_dialog({}, {"計算"}, [&](QWidget* dialog) {
                EXPECT_EQ(shown(dialog, "諸費用"), QStringLiteral("20.65万"));
                EXPECT_EQ(shown(dialog, "お支払総額"), QStringLiteral("2,510,194"));
            });
        }
    }
}

// A percentage typed before the vehicle price cannot be quoted yet, but a save keeps it.
TEST_F(residual_window_test, a_percentage_without_a_vehicle_price_is_saved_as_typed) {
    window_field("実質年率（％）")->setText("4.2");
    window_field("返済回数")->setText("60");
    window_field("差引残高（円）")->setText("1906500");
    in_dialog({{"残価", "45%"}}, {});
    button_labelled(window.get(), QStringLiteral("保存"))->click();
    ASSERT_EQ(std::filesystem::file_size(session.quote_path), sizeof(quote_record) + 120);
    window.reset();
    session = session_state{};
    start();
    button_labelled(window.get(), QStringLiteral("読込"))->click();
    EXPECT_EQ(session.residual_text, "45%");
}

TEST(residual_dialog_controls, every_field_answers_to_its_control_number_and_name) {
    session_state session;
    residual_dialog dialog(session, calc_inputs{});
    const struct {
        int control;
        const char* name;
        bool input;
    } cases[] = {
        {1101, "車両本体価格", true},
        {1102, "付属品", true},
        {1103, "諸費用", true},
        {1104, "値引き", true},
        {1105, "頭金", true},
        {1106, "下取り価格", true},
        {1107, "現金販売価格", false},
        {1108, "差引残高", false},
        {1109, "残価", true},
        {1110, "初回", false},
        {1111, "２回目以降", false},
        {1112, "２回目以降の回数", false},
        {1113, "ボーナス加算", false},
        {1114, "ボーナス加算の回数", false},
        {1115, "最終回（残価）", false},
        {1116, "融資手数料", false},
        {1117, "融資額", false},
        {1118, "お支払総額", false},
    };
    for (const auto& c : cases) {
        QLineEdit* field = dialog.field(c.control);
        ASSERT_NE(field, nullptr) << c.control;
        EXPECT_EQ(field->accessibleName(), QString::fromUtf8(c.name)) << c.control;
        EXPECT_EQ(field->isReadOnly(), !c.input) << c.control;
    }
}

}  // namespace
}  // namespace carloan
