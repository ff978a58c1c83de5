#pragma once
// The main window: the quote form and the commands behind its buttons. It moves texts between its
// fields and the core, and runs the other dialogs over itself; it computes nothing of its own.

#include "calc/calculate.h"
#include "plans/plan_comparison_dialog.h"
#include "storage/quote_extension.h"
#include "storage/quote_record.h"

#include <QDialog>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAbstractButton;
class QLabel;
class QLineEdit;

namespace Ui {
class main_window;
}

namespace carloan {

struct session_state;

// Control numbers of the main window's form; other windows and the quote files name its fields
// by them.
namespace main_control {
inline constexpr int calculate = 1;
inline constexpr int quit = 2;
inline constexpr int rate = 1005;
inline constexpr int payment_count = 1006;
inline constexpr int net_balance = 1007;
inline constexpr int bonus_amount = 1008;
inline constexpr int bonus_count = 1009;
inline constexpr int deferment = 1010;
inline constexpr int loan_fee = 1011;
inline constexpr int loan_amount = 1012;
inline constexpr int first_payment = 1013;
inline constexpr int later_payment = 1014;
inline constexpr int skip_months = 1020;
inline constexpr int bonus_amount_label = 1024;
inline constexpr int method_toggle = 1025;
inline constexpr int later_count = 1026;
inline constexpr int bonus_payment = 1027;
inline constexpr int bonus_times = 1028;
inline constexpr int cycle_toggle = 1029;
inline constexpr int cycle_label = 1031;
inline constexpr int comparison = 1032;
inline constexpr int save = 1033;
inline constexpr int open = 1034;
inline constexpr int print = 1035;
inline constexpr int schedule = 1036;
inline constexpr int branch_settings = 1038;
inline constexpr int bonus_payment_label = 1039;
inline constexpr int status = 1044;
inline constexpr int residual = 1045;
}  // namespace main_control

// The dialogs and file operations the commands run. The defaults are the program's own; tests
// put their own in to watch the sequences without the real dialogs.
struct main_window_steps {
    std::function<void(QWidget*, session_state&)> schedule_dialog;
    std::function<std::optional<plan_choice>(QWidget*, const session_state&, const calc_inputs&)>
        plans_dialog;
    std::function<bool(QWidget*, session_state&)> print_confirmation_dialog;
    // True once the page went to the printer.
    std::function<bool(QWidget*, const session_state&)> print;
    std::function<void(QWidget*, session_state&)> save_name_dialog;
    std::function<void(QWidget*, session_state&)> open_dialog;
    std::function<void(QWidget*, session_state&)> branch_settings_dialog;
    // True when the price lines gave the net balance, which the session's record then holds.
    std::function<bool(QWidget*, session_state&, const calc_inputs&)> residual_dialog;
    std::function<bool(const std::filesystem::path&, const quote_record&, const quote_extension&)>
        save;
    // `block_message` says why an extension block was left out; the record opened all the same.
    std::function<bool(const std::filesystem::path&, quote_record&, quote_extension&,
                       std::string& block_message)>
        open;

    static main_window_steps program();
};

class main_window : public QDialog {
    Q_OBJECT

  public:
    explicit main_window(session_state& session,
                         main_window_steps steps = main_window_steps::program(),
                         QWidget* parent = nullptr);
    ~main_window() override;

    // The input or output field with this control number, or null.
    QLineEdit* field(int control) const;

    // Escape and the close box leave as 終了 does.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Commands, one per button.
    void calculate_command();
    void schedule_command();
    void plans_command();
    void print_command();
    void save_command();
    void open_command();
    void branch_settings_command();
    void residual_command();
    void quit_command();
    void toggle_method();
    void toggle_cycle();

    // Steps the commands are made of.
    // False when the calculation stopped with a message.
    bool calculate_quote();
    calc_inputs current_inputs() const;
    bool quote_chosen() const;
    // The quote record as a save would write it now.
    quote_record record_to_save() const;
    // The residual and price lines as a save would write them after the record.
    quote_extension extension_to_save() const;
    bool has_unsaved_quote() const;
    void take_as_saved();
    // True when nothing typed is lost by leaving, after asking when something would be.
    bool may_leave();
    bool save_quote_from_fields();
    bool open_quote_into_fields();
    void input_changed();
    void show_figures_stale(bool stale);
    void show_flags();
    void show_quote_name();
    void show_title();
    void clear_status();
    void show_status(const QString& text);
    void reformat_amount(QLineEdit* field);

    void on_click(QAbstractButton* button, void (main_window::*command)());

    std::unique_ptr<Ui::main_window> ui_;
    session_state& session_;
    main_window_steps steps_;
    // What the last save or open left, to tell whether leaving loses anything.
    quote_record saved_record_{};
    quote_extension saved_extension_{};
    // The outputs belong to inputs since changed.
    bool figures_stale_ = false;
};

}  // namespace carloan
