#pragma once
// The save-name dialog: it chooses the name and path a quote is saved under. It does not write
// the quote; the main window's save does.

#include <QDialog>

#include <filesystem>
#include <memory>

class QWidget;

namespace Ui {
class save_name_dialog;
}

namespace carloan {

struct session_state;

// Control numbers of forms/save_name_dialog.ui.
namespace save_name_control {
inline constexpr int save = 1;    // 保存する, the default button
inline constexpr int cancel = 2;  // ｷｬﾝｾﾙ, Esc and the close box
}  // namespace save_name_control

// Asks for the name a quote is saved under in `folder`, proposing the session's quote file name.
// 保存する with a usable name sets the session's quote name (".car" added) and path and closes;
// with an empty or unusable name it shows why and stays open. Cancelling leaves "?????".
// It writes no file.
class save_name_dialog : public QDialog {
    Q_OBJECT

  public:
    save_name_dialog(QWidget* parent, session_state& session, std::filesystem::path folder);
    ~save_name_dialog() override;

    QString name_text() const;

    void reject() override;

  private:
    void save();

    std::unique_ptr<Ui::save_name_dialog> ui_;
    session_state& session_;
    std::filesystem::path folder_;
};

// Sets the current quote name and path, or "?????" when cancelled.
void run_save_name_dialog(QWidget* parent, session_state& session);

}  // namespace carloan
