#include "print/print_confirmation_dialog.h"

#include "ui/dialog_placement.h"
#include "ui/input_method.h"

#include "print/page_strings.h"
#include "print/print_estimate.h"
#include "storage/branch_settings_dialog.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/message_box.h"
#include "ui/session.h"
#include "ui_print_confirmation_dialog.h"

#include <QLineEdit>
#include <QPushButton>

namespace carloan {

print_confirmation_dialog::print_confirmation_dialog(QWidget* main_window, session_state& session)
    : QDialog(main_window),
      ui_(std::make_unique<Ui::print_confirmation_dialog>()),
      session_(session) {
    ui_->setupUi(this);
    move_to_screen_corner(this);
    quote_record& record = session_.record;

    for (QLineEdit* field :
         {ui_->customer_name, ui_->remark_1, ui_->remark_2, ui_->remark_3, ui_->remark_4}) {
        field->setValidator(new cp932_validator(field));
    }
    namespace control = print_confirmation_control;
    // Every text field takes Japanese.
    new input_method_router(this, {{ui_->customer_name, control::customer_name, true},
                                   {ui_->remark_1, control::remark_1, true},
                                   {ui_->remark_2, control::remark_2, true},
                                   {ui_->remark_3, control::remark_3, true},
                                   {ui_->remark_4, control::remark_4, true}});
    ui_->remark_1->setText(from_cp932(read_slot(record.remark_1)));
    ui_->remark_2->setText(from_cp932(read_slot(record.remark_2)));
    ui_->remark_3->setText(from_cp932(read_slot(record.remark_3)));
    ui_->remark_4->setText(from_cp932(read_slot(record.remark_4)));
    ui_->show_rate->setChecked(record.show_rate == 1);

    // The quote's own name, or the name confirmed last; never a name a quote file carried.
    ui_->customer_name->setText(from_cp932(session_.customer_name));
    ui_->customer_name->setFocus();

    connect(ui_->ok_button, &QPushButton::clicked, this, &print_confirmation_dialog::confirm);
    connect(ui_->cancel_button, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->preview_button, &QPushButton::clicked, this, &print_confirmation_dialog::preview);
    connect(ui_->pdf_button, &QPushButton::clicked, this, &print_confirmation_dialog::save_pdf);
    connect(ui_->branch_settings_button, &QPushButton::clicked, this,
            [this] { run_branch_settings_dialog(this, session_); });
}

print_confirmation_dialog::~print_confirmation_dialog() = default;

std::optional<quote_record> print_confirmation_dialog::confirmed_record() {
    const std::string name = field_cp932(ui_->customer_name->text(), customer_name_limit);
    if (name.empty()) {
        show_message(this, message_caption, QStringLiteral("お客様名が未入力です"));
        ui_->customer_name->setFocus();
        return std::nullopt;
    }
    quote_record record = session_.record;
    write_slot(record.customer_name, name);
    write_slot(record.remark_1, field_cp932(ui_->remark_1->text(), remark_limit));
    write_slot(record.remark_2, field_cp932(ui_->remark_2->text(), remark_limit));
    write_slot(record.remark_3, field_cp932(ui_->remark_3->text(), remark_limit));
    write_slot(record.remark_4, field_cp932(ui_->remark_4->text(), remark_limit));
    record.show_rate = ui_->show_rate->isChecked() ? 1 : 0;
    return record;
}

void print_confirmation_dialog::confirm() {
    if (const std::optional<quote_record> record = confirmed_record()) {
        session_.record = *record;
        session_.customer_name = read_slot(record->customer_name);
        accept();
    }
}

void print_confirmation_dialog::preview() {
    if (const std::optional<quote_record> record = confirmed_record()) {
        session_state shown = session_;
        shown.record = *record;
        preview_printout(this, estimate_printout(shown));
    }
}

void print_confirmation_dialog::save_pdf() {
    if (const std::optional<quote_record> record = confirmed_record()) {
        session_state shown = session_;
        shown.record = *record;
        save_printout_pdf(this, estimate_printout(shown),
                          from_cp932(read_slot(record->customer_name)));
    }
}

bool run_print_confirmation_dialog(QWidget* main_window, session_state& session) {
    print_confirmation_dialog dialog(main_window, session);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace carloan
