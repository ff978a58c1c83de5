// Full-width number characters entering a numeric field, by each way text gets in.

#include "ui/ascii_digits.h"

#include "app/main_window.h"
#include "gui_support.h"
#include "schedule/schedule_dialog.h"
#include "text/qt_text.h"
#include "ui/session.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>

#include <utility>
#include <vector>

namespace carloan {
namespace {

using testing::by_accessible_name;

void commit(QLineEdit* field, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(field, &event);
}

TEST(ascii_digits, full_width_number_characters_arrive_as_ascii) {
    const struct {
        const char* held;
        int cursor;
        const char* entered;
        const char* shown;
    } cases[] = {
        {"", 0, "０１２３４５６７８９", "0123456789"},
        {"", 0, "１，０００，０００", "1,000,000"},
        {"", 0, "９．９", "9.9"},
        {"", 0, "－２５００", "-2500"},
        {"", 0, "＋５", "+5"},
        {"", 0, "　５００", " 500"},
        {"", 0, "５００円", "500円"},
        {"", 0, "ＡＢ・ー−", "ＡＢ・ー−"},  // letters, dots and the long-vowel mark stay
        {"10", 1, "，０", "1,00"},
    };
    for (const bool pasted : {false, true}) {
        for (const auto& c : cases) {
            QLineEdit field;
            field.setValidator(new cp932_validator(&field));
            accept_full_width_digits(&field);
            field.setText(QString::fromUtf8(c.held));
            field.setCursorPosition(c.cursor);
            const QString entered = QString::fromUtf8(c.entered);
            if (pasted) {
                field.insert(entered);
            } else {
                commit(&field, entered);
            }
            EXPECT_EQ(field.text(), QString::fromUtf8(c.shown)) << c.entered << " " << pasted;
            EXPECT_EQ(field.cursorPosition(), c.cursor + entered.size()) << c.entered;
        }
    }
}

TEST(ascii_digits, every_numeric_input_of_the_quote_form_and_the_schedule_converts) {
    session_state session;
    main_window window(session);
    schedule_dialog schedule(session);
    const std::pair<QWidget*, std::vector<const char*>> forms[] = {
        {&window,
         {"実質年率（％）", "返済回数", "差引残高（円）", "スキップ月数", "ボーナス加算額",
          "ボーナス回数", "据置月数"}},
        {&schedule,
         {"返済開始年", "返済開始月", "初回ボーナス返済年", "初回ボーナス返済月", "ボーナス月１",
          "ボーナス月２"}},
    };
    for (const auto& [form, names] : forms) {
        for (const char* name : names) {
            QLineEdit* field = by_accessible_name(form, QString::fromUtf8(name));
            ASSERT_NE(field, nullptr);
            field->clear();
            commit(field, QStringLiteral("１２"));
            EXPECT_EQ(field->text(), QStringLiteral("12")) << name;
        }
    }
}

}  // namespace
}  // namespace carloan
