#include "storage/branch_settings_dialog.h"

#include "storage/standard_letter_lines.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/dialog_placement.h"
#include "ui/file_dialog.h"
#include "ui/input_method.h"
#include "ui/message_box.h"
#include "ui/session.h"

#include "ui_branch_settings_dialog.h"

#include <array>
#include <span>
#include <utility>
#include <vector>

namespace carloan {
namespace {

using form = Ui::branch_settings_dialog;

struct text_field {
    int control;
    QLineEdit* form::*edit;
    std::span<char> (*slot)(branch_settings&);
    // Switches the input method on; the telephone number is digits and dashes.
    bool japanese = true;
};

// In the order 更新 reads them.
constexpr std::array<text_field, 8> text_fields{{
    {branch_settings_control::branch_name, &form::branch_name,
     [](branch_settings& s) -> std::span<char> { return s.branch_name; }},
    {branch_settings_control::telephone, &form::telephone,
     [](branch_settings& s) -> std::span<char> { return s.telephone; }, false},
    {branch_settings_control::staff_name, &form::staff_name,
     [](branch_settings& s) -> std::span<char> { return s.staff_name; }},
    {branch_settings_control::opening_line_1, &form::opening_line_1,
     [](branch_settings& s) -> std::span<char> { return s.opening_line_1; }},
    {branch_settings_control::opening_line_2, &form::opening_line_2,
     [](branch_settings& s) -> std::span<char> { return s.opening_line_2; }},
    {branch_settings_control::note_line_1, &form::note_line_1,
     [](branch_settings& s) -> std::span<char> { return s.note_line_1; }},
    {branch_settings_control::note_line_2, &form::note_line_2,
     [](branch_settings& s) -> std::span<char> { return s.note_line_2; }},
    {branch_settings_control::note_line_3, &form::note_line_3,
     [](branch_settings& s) -> std::span<char> { return s.note_line_3; }},
}};

// A field is read with a limit one less than its slot (terminator included), so the slot's last
// byte is never written from the dialog and keeps what the file put there.
void read_field(const QLineEdit& edit, std::span<char> slot) {
    const std::span<char> readable = slot.first(slot.size() - 1);
    write_slot(readable, field_cp932(edit.text(), readable.size() - 1));
}

// Bytes that are no character (only a foreign file has them) are left out of the field: the
// validator would otherwise refuse every later edit of it, even a deletion.
QString shown_text(const std::string& cp932) {
    const QString text = from_cp932(cp932);
    return to_cp932(text) ? text : from_cp932(field_cp932(text, cp932.size()));
}

void show_fields(form& ui, branch_settings& settings, std::span<const text_field> fields) {
    for (const text_field& f : fields) {
        (ui.*f.edit)->setText(shown_text(read_slot(f.slot(settings))));
    }
}

}  // namespace

branch_settings_dialog::branch_settings_dialog(session_state& session, QWidget* parent,
                                               std::filesystem::path read_from,
                                               std::filesystem::path store_to)
    : QDialog(parent),
      ui_(std::make_unique<form>()),
      session_(session),
      store_to_(store_to.empty() ? read_from : std::move(store_to)) {
    ui_->setupUi(this);
    move_to_screen_corner(this);
    std::vector<input_method_field> input_fields;
    for (const text_field& f : text_fields) {
        QLineEdit* edit = (*ui_).*f.edit;
        edit->setValidator(new cp932_validator(edit));
        input_fields.push_back({edit, f.control, f.japanese});
    }
    // The telephone number is digits and dashes: keep any input method out of it.
    refuse_input_method(ui_->telephone);
    auto* router = new input_method_router(this, std::move(input_fields));
    connect(router, &input_method_router::focus_gained, this,
            &branch_settings_dialog::field_focus_gained);
    connect(router, &input_method_router::focus_lost, this,
            &branch_settings_dialog::field_focus_lost);
    connect(ui_->update_button, &QPushButton::clicked, this,
            &branch_settings_dialog::update_settings);
    connect(ui_->standard_button, &QPushButton::clicked, this,
            &branch_settings_dialog::put_standard_lines);
    connect(ui_->close_button, &QPushButton::clicked, this, &QDialog::accept);

    load_branch_settings(session_.settings, read_from);
    show_fields(*ui_, session_.settings, text_fields);
    ui_->branch_name->setFocus();
}

branch_settings_dialog::~branch_settings_dialog() = default;

QLineEdit* branch_settings_dialog::field(int control) const {
    for (const text_field& f : text_fields) {
        if (f.control == control) {
            return (*ui_).*f.edit;
        }
    }
    return nullptr;
}

void branch_settings_dialog::reject() {}

void branch_settings_dialog::update_settings() {
    for (const text_field& f : text_fields) {
        read_field(*((*ui_).*f.edit), f.slot(session_.settings));
    }
    if (!store_branch_settings(session_.settings, store_to_)) {
        show_message(this, message_caption,
                     save_failure_message(QStringLiteral("初期登録の保存に失敗しました"),
                                          QString::fromStdU16String(store_to_.u16string())));
        return;
    }
    // What was saved is what is read from now on, in this run and the next.
    session_.settings_path = store_to_;
}

void branch_settings_dialog::put_standard_lines() {
    fill_standard_letter_lines(session_.settings);
    // Branch name, telephone and staff name keep what the clerk typed.
    show_fields(*ui_, session_.settings, std::span(text_fields).subspan(3));
}

void run_branch_settings_dialog(QWidget* parent, session_state& session) {
    branch_settings_dialog dialog(session, parent, session.settings_path,
                                  session.own_settings_path);
    dialog.exec();
}

}  // namespace carloan
