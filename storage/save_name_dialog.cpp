#include "storage/save_name_dialog.h"

#include "storage/quote_folder.h"
#include "storage/user_folders.h"
#include "text/qt_text.h"
#include "ui/dialog_placement.h"
#include "ui/message_box.h"
#include "ui/session.h"
#include "ui_save_name_dialog.h"

#include <utility>

namespace carloan {
namespace {

constexpr std::size_t name_read_limit = 29;
// As far as the proposal is read: the name a window title could hold.
constexpr std::size_t proposal_limit = 79;

}  // namespace

save_name_dialog::save_name_dialog(QWidget* parent, session_state& session,
                                   std::filesystem::path folder)
    : QDialog(parent),
      ui_(std::make_unique<Ui::save_name_dialog>()),
      session_(session),
      folder_(std::move(folder)) {
    ui_->setupUi(this);
    move_to_screen_corner(this);
    ui_->name_field->setValidator(new cp932_validator(ui_->name_field));
    connect(ui_->save_button, &QPushButton::clicked, this, &save_name_dialog::save);
    connect(ui_->cancel_button, &QPushButton::clicked, this, &save_name_dialog::reject);

    // A quote that was never saved or opened has nothing to propose.
    if (!session_.quote_file_name.empty()) {
        ui_->name_field->setText(
            from_cp932(field_cp932(from_cp932(session_.quote_file_name), proposal_limit)));
    }
    ui_->name_field->setFocus();
}

save_name_dialog::~save_name_dialog() = default;

QString save_name_dialog::name_text() const {
    return ui_->name_field->text();
}

void save_name_dialog::reject() {
    session_.quote_name = no_quote_name;
    QDialog::reject();
}

void save_name_dialog::save() {
    const std::string typed = field_cp932(name_text(), name_read_limit);
    // Checked on the text as typed: the read above ends at a NUL, and would quietly save under
    // what comes before it.
    const bool control_character = holds_control_character(name_text().toStdU16String());
    if (typed.empty() && !control_character) {
        session_.quote_name = no_quote_name;
        show_message(this, message_caption, QStringLiteral("ファイル名が未入力です"));
        return;
    }
    std::string name = with_quote_extension(typed);
    // The name becomes a file name as it stands, so it must neither leave the folder nor make a
    // file that Windows would name differently.
    if (control_character || leaves_quote_folder(typed) || !is_portable_file_name(name)) {
        session_.quote_name = no_quote_name;
        show_message(this, message_caption,
                     QStringLiteral("ファイル名に使用できない文字が含まれています"));
        return;
    }
    session_.quote_path = quote_file_path(folder_, name);
    session_.quote_name = std::move(name);
    accept();
}

void run_save_name_dialog(QWidget* parent, session_state& session) {
    save_name_dialog dialog(parent, session, quote_folder());
    dialog.exec();
}

}  // namespace carloan
