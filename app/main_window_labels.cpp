// What the main window shows besides the figures: the labels of the two switches, the title, the
// figures marked stale, the status line.

#include "app/main_window.h"

#include "app/main_window_fields.h"
#include "app/main_window_texts.h"
#include "print/page_strings.h"
#include "text/qt_text.h"
#include "ui/session.h"

#include "ui_main_window.h"

namespace carloan {

using namespace main_window_fields;
using namespace main_window_texts;

void main_window::show_flags() {
    const bool total_method = session_.flags.bonus_method == 1;
    const QString amount_label =
        total_method ? QStringLiteral("ボーナス月返済") : addition_amount_label;
    const QString payment_name =
        total_method ? QStringLiteral("ボーナス月返済") : QStringLiteral("ボーナス月加算");
    ui_->bonus_amount_label->setText(amount_label);
    ui_->bonus_amount_field->setAccessibleName(amount_label);
    ui_->bonus_payment_label->setText(payment_name + QStringLiteral(" ＝"));
    ui_->bonus_payment_field->setAccessibleName(payment_name);
    ui_->method_toggle->setText(total_method ? QStringLiteral("ボーナス月総額方式")
                                             : QStringLiteral("ボーナス月加算方式"));
    ui_->method_toggle->setAccessibleName(ui_->method_toggle->text());
    ui_->cycle_label->setText(session_.flags.cycle_mode == 2 ? QStringLiteral("第二サイクル計上")
                                                             : first_cycle_label);
    // The switch's own text says only what it does; a screen reader names the mode it sets.
    ui_->cycle_toggle->setAccessibleName(ui_->cycle_label->text());
}

// Only a quote file that exists is named; the print confirmation proposes its customer.
void main_window::show_quote_name() {
    session_.quote_file_name = session_.quote_name;
    session_.customer_name = customer_name_from_quote_name(session_.quote_file_name);
    show_title();
}

// The title only shows the session's name; no dialog reads it back.
void main_window::show_title() {
    setWindowTitle(session_.quote_file_name.empty() ? new_quote_title
                                                    : from_cp932(session_.quote_file_name));
}

// Figures that no longer belong to the inputs must not be read out as theirs.
void main_window::input_changed() {
    if (!ui_->loan_fee_field->text().isEmpty()) {
        show_figures_stale(true);
    }
}

// Struck through and greyed, and described so to a screen reader, until the next calculation.
void main_window::show_figures_stale(bool stale) {
    if (stale == figures_stale_) {
        return;
    }
    figures_stale_ = stale;
    for (const field_control& control : field_controls) {
        QLineEdit* line = ui_.get()->*control.widget;
        if (!line->isReadOnly()) {
            continue;
        }
        QFont font = line->font();
        font.setStrikeOut(stale);
        line->setFont(font);
        QPalette colours = line->palette();
        colours.setColor(QPalette::Text, stale ? palette().color(QPalette::PlaceholderText)
                                               : palette().color(QPalette::Text));
        line->setPalette(colours);
        line->setAccessibleDescription(stale ? stale_figures_description : figures_description);
    }
}

void main_window::clear_status() {
    show_status(QString());
}

// The status is its own accessible name, so that a screen reader announces the status itself.
void main_window::show_status(const QString& text) {
    ui_->status_label->setText(text);
    ui_->status_label->setAccessibleName(text);
}

}  // namespace carloan
