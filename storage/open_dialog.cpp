#include "storage/open_dialog.h"

#include "storage/atomic_file.h"
#include "storage/quote_folder.h"
#include "storage/user_folders.h"
#include "text/qt_text.h"
#include "ui/dialog_placement.h"
#include "ui/message_box.h"
#include "ui/session.h"
#include "ui_open_dialog.h"

#include <QStringList>

#include <system_error>
#include <utility>

namespace carloan {

open_dialog::open_dialog(QWidget* parent, session_state& session, std::filesystem::path folder)
    : QDialog(parent),
      ui_(std::make_unique<Ui::open_dialog>()),
      session_(session),
      folder_(std::move(folder)) {
    ui_->setupUi(this);
    move_to_screen_corner(this);
    ui_->name_field->setValidator(new cp932_validator(ui_->name_field));
    connect(ui_->file_list, &QListWidget::itemSelectionChanged, this,
            &open_dialog::take_selected_name);
    // Enter in the list reaches OK, the default button; a double click opens as well.
    connect(ui_->file_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        ui_->name_field->setText(item->text());
        open_named();
    });
    connect(ui_->ok_button, &QPushButton::clicked, this, &open_dialog::open_named);
    connect(ui_->delete_button, &QPushButton::clicked, this, &open_dialog::delete_named);
    connect(ui_->cancel_button, &QPushButton::clicked, this, &open_dialog::reject);
    list_files();
}

open_dialog::~open_dialog() = default;

QString open_dialog::name_text() const {
    return ui_->name_field->text();
}

void open_dialog::reject() {
    session_.quote_name = no_quote_name;
    QDialog::reject();
}

void open_dialog::list_files() {
    // Saves cut off by a crash leave hidden temporaries; an hour on, none is still being written.
    remove_abandoned_temporaries(folder_, std::chrono::hours(1));
    QStringList names;
    for (const std::string& name : list_quote_files(folder_)) {
        names.push_back(from_cp932(name));
    }
    ui_->file_list->clear();
    ui_->name_field->clear();
    ui_->file_list->addItems(names);
    ui_->file_list->setFocus();
}

void open_dialog::take_selected_name() {
    const QList<QListWidgetItem*> selected = ui_->file_list->selectedItems();
    if (!selected.isEmpty()) {
        ui_->name_field->setText(selected.front()->text());
    }
}

std::optional<std::string> open_dialog::named_file() {
    // Read whole: saved names run to 33 bytes and listed ones longer, and each must open.
    std::string name = field_cp932(name_text(), std::string::npos);
    // The read ends at a NUL: what comes before it would open some other file.
    const bool control_character = holds_control_character(name_text().toStdU16String());
    if (name.empty() || control_character || leaves_quote_folder(name)) {
        session_.quote_name = no_quote_name;
        show_message(this, message_caption,
                     name.empty() && !control_character
                         ? QStringLiteral("ファイルが選択されていません")
                         : QStringLiteral("ファイル名に使用できない文字が含まれています"));
        return std::nullopt;
    }
    session_.quote_name = name;
    session_.quote_path = quote_file_path(folder_, name);
    return name;
}

void open_dialog::open_named() {
    if (named_file()) {
        accept();
    }
}

// A customer's quote goes only when the clerk says so; いいえ leaves the dialog as it was.
void open_dialog::delete_named() {
    if (const std::optional<std::string> name = named_file()) {
        const message_answer answer = ask_question(
            this, message_caption, QStringLiteral("「%1」を削除しますか？").arg(from_cp932(*name)),
            {message_answer::yes, message_answer::no}, message_answer::no);
        if (answer != message_answer::yes) {
            return;
        }
        std::error_code ignored;
        if (!std::filesystem::is_directory(session_.quote_path, ignored)) {
            std::filesystem::remove(session_.quote_path, ignored);
        }
    }
    list_files();
}

void run_open_dialog(QWidget* parent, session_state& session) {
    open_dialog dialog(parent, session, quote_folder());
    dialog.exec();
}

}  // namespace carloan
