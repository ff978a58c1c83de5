#pragma once
// The branch settings dialog (初期登録): shows "car.ini" as it is on disk, lets the clerk edit the
// eight texts, store them (更新) or put the standard letter lines in (標準の値). Only 閉じる ends
// it; Enter stores, as 更新 does, so that a line typed and entered is never dropped.

#include "storage/branch_settings_file.h"

#include <QDialog>

#include <filesystem>
#include <memory>

class QLineEdit;

namespace Ui {
class branch_settings_dialog;
}

namespace carloan {

struct session_state;

// Control numbers of forms/branch_settings_dialog.ui.
namespace branch_settings_control {
inline constexpr int close = 1;
inline constexpr int branch_name = 1005;
inline constexpr int telephone = 1006;
inline constexpr int staff_name = 1007;
inline constexpr int opening_line_1 = 1020;
inline constexpr int opening_line_2 = 1008;
inline constexpr int note_line_1 = 1009;
inline constexpr int note_line_2 = 1010;
inline constexpr int note_line_3 = 1011;
inline constexpr int update = 1033;
inline constexpr int standard_lines = 1035;
}  // namespace branch_settings_control

class branch_settings_dialog : public QDialog {
    Q_OBJECT

  public:
    // Loads `read_from` over session.settings, so the dialog shows what the file holds; 更新
    // stores to `store_to` (empty: the same file), which the session reads from thereafter.
    explicit branch_settings_dialog(session_state& session, QWidget* parent = nullptr,
                                    std::filesystem::path read_from = branch_settings_file_name,
                                    std::filesystem::path store_to = {});
    ~branch_settings_dialog() override;

    // The text field with this control number, or null.
    QLineEdit* field(int control) const;

    // Escape and the close box end nothing here.
    void reject() override;

  signals:
    // Every text field reports the focus entering and leaving it, for the input-method switch.
    void field_focus_gained(int control);
    void field_focus_lost(int control);

  private:
    void update_settings();
    void put_standard_lines();

    std::unique_ptr<Ui::branch_settings_dialog> ui_;
    session_state& session_;
    std::filesystem::path store_to_;
};

// Runs the dialog modally over `parent`: it shows the settings file the session reads and stores
// to the user's own.
void run_branch_settings_dialog(QWidget* parent, session_state& session);

}  // namespace carloan
