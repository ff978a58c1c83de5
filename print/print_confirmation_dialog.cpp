#include "print/print_confirmation_dialog.h"

#include "ui/dialog_placement.h"
#include "ui/input_method.h"

#include "print/page_strings.h"
#include "print/print_estimate.h"
#include "storage/branch_settings_dialog.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/file_dialog.h"
#include "ui/message_box.h"
#include "ui/session.h"
#include "ui_print_confirmation_dialog.h"

#include <QLineEdit>
#include <QPushButton>

namespace carloan {

print_confirmation_dialog::print_confirmation_dialog(QWidget* main_window, session_state& session)
    : QDialog(main_window),
      ui_(std::make_unique<Ui::print_confirmation_dialog>()),
      main_window_(main_window),
      session_(session) {
    ui_->setupUi(this);
    move_to_screen_corner(this);
    quote_record& record = session_.record;

    for (QLineEdit* field :
         {ui_->customer_name, ui_->remark_1, ui_->remark_2, ui_->remark_3, ui_->remark_4}) {
        field->setValidator(new cp932_validator(field));
    }
    namespace control = print_confirmation_control;
    new input_method_router(this, input_method_dialog::print_confirmation,
                            {{ui_->customer_name, control::customer_name},
                             {ui_->remark_1, control::remark_1},
                             {ui_->remark_2, control::remark_2},
                             {ui_->remark_3, control::remark_3},
                             {ui_->remark_4, control::remark_4}});
    ui_->remark_1->setText(from_cp932(read_slot(record.remark_1)));
    ui_->remark_2->setText(from_cp932(read_slot(record.remark_2)));
    ui_->remark_3->setText(from_cp932(read_slot(record.remark_3)));
    ui_->remark_4->setText(from_cp932(read_slot(record.remark_4)));
    ui_->show_rate->setChecked(record.show_rate == 1);

    // The default name always comes from the title, never from a name stored earlier.
    const QString title = main_window_ != nullptr ? main_window_->windowTitle() : QString();
    const std::string name = customer_name_from_title(field_cp932(title, customer_name_limit));
    write_slot(record.customer_name, name);
    ui_->customer_name->setText(from_cp932(name));
    ui_->customer_name->setFocus();

    connect(ui_->ok_button, &QPushButton::clicked, this, &print_confirmation_dialog::confirm);
    connect(ui_->cancel_button, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->preview_button, &QPushButton::clicked, this, &print_confirmation_dialog::preview);
    connect(ui_->pdf_button, &QPushButton::clicked, this, &print_confirmation_dialog::save_pdf);
    connect(ui_->branch_settings_button, &QPushButton::clicked, this,
            [this] { run_branch_settings_dialog(this, session_); });
}

print_confirmation_dialog::~print_confirmation_dialog() = default;

bool print_confirmation_dialog::store_confirmed() {
    quote_record& record = session_.record;
    // Stored even when refused, so a refused OK leaves the name empty.
    const std::string name = field_cp932(ui_->customer_name->text(), customer_name_limit);
    write_slot(record.customer_name, name);
    if (name.empty()) {
        show_message(this, message_caption, QStringLiteral("お客様名が未入力です"));
        ui_->customer_name->setFocus();
        return false;
    }
    if (main_window_ != nullptr) {
        main_window_->setWindowTitle(from_cp932(name) + QStringLiteral(".car"));
    }
    write_slot(record.remark_1, field_cp932(ui_->remark_1->text(), remark_limit));
    write_slot(record.remark_2, field_cp932(ui_->remark_2->text(), remark_limit));
    write_slot(record.remark_3, field_cp932(ui_->remark_3->text(), remark_limit));
    write_slot(record.remark_4, field_cp932(ui_->remark_4->text(), remark_limit));
    record.show_rate = ui_->show_rate->isChecked() ? 1 : 0;
    return true;
}

void print_confirmation_dialog::confirm() {
    if (store_confirmed()) {
        accept();
    }
}

void print_confirmation_dialog::preview() {
    if (store_confirmed()) {
        preview_estimate(this, session_);
    }
}

void print_confirmation_dialog::save_pdf() {
    if (!store_confirmed()) {
        return;
    }
    const QString name = from_cp932(read_slot(session_.record.customer_name));
    const QString path =
        ask_save_file_name(this, QStringLiteral("PDF保存"),
                           proposed_file_path(name, estimate_document_name, pdf_file), pdf_file);
    if (!path.isEmpty() && !write_estimate_pdf(path, session_, print_time())) {
        show_message(this, message_caption, QStringLiteral("PDFの保存に失敗しました"));
    }
}

bool run_print_confirmation_dialog(QWidget* main_window, session_state& session) {
    print_confirmation_dialog dialog(main_window, session);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace carloan
