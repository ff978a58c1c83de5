#pragma once
// 残価設定: the dealer's price lines and the residual, and the residual-value plan quoted from
// them over the main window's other inputs. It keeps what was typed in the session and, when the
// price lines make the net balance, puts it into the session's record for the window to show; it
// never touches the window's fields or its ordinary figures.

#include "calc/calculate.h"
#include "calc/price_lines.h"
#include "print/residual_page.h"
#include "ui/printout.h"

#include <QDialog>

#include <memory>
#include <optional>

class QLineEdit;
class QWidget;

namespace Ui {
class residual_dialog;
}

namespace carloan {

struct session_state;

// Control numbers of the form's fields (forms/residual_dialog.ui).
namespace residual_control {
inline constexpr int calculate = 1;
inline constexpr int close = 2;
inline constexpr int print = 3;
inline constexpr int preview = 4;
inline constexpr int save_pdf = 5;
inline constexpr int vehicle_price = 1101;
inline constexpr int accessories = 1102;
inline constexpr int expenses = 1103;
inline constexpr int discount = 1104;
inline constexpr int down_payment = 1105;
inline constexpr int trade_in = 1106;
inline constexpr int cash_price = 1107;
inline constexpr int net_balance = 1108;
inline constexpr int residual = 1109;
inline constexpr int first_payment = 1110;
inline constexpr int later_payment = 1111;
inline constexpr int later_count = 1112;
inline constexpr int bonus_payment = 1113;
inline constexpr int bonus_times = 1114;
inline constexpr int final_payment = 1115;
inline constexpr int loan_fee = 1116;
inline constexpr int loan_amount = 1117;
inline constexpr int total_payment = 1118;
}  // namespace residual_control

class residual_dialog : public QDialog {
  public:
    // `inputs` are the main window's texts as its calculation reads them.
    residual_dialog(session_state& session, calc_inputs inputs, QWidget* main_window = nullptr);
    ~residual_dialog() override;

    // The input or output field with this control number, or null.
    QLineEdit* field(int control) const;
    // True once the price lines gave the net balance now in the session's record.
    bool net_balance_given() const { return net_balance_given_; }

    // Every way out keeps what was typed.
    void done(int result) override;

  private:
    price_line_texts typed_lines() const;
    // The plan of what the form holds, or nothing with the message shown.
    std::optional<residual_quote> quote();
    void calculate();
    void show_quote(const residual_quote& shown);
    void print();
    void preview();
    void save_pdf();
    printout residual_printout(const residual_quote& quoted) const;

    std::unique_ptr<Ui::residual_dialog> ui_;
    session_state& session_;
    calc_inputs inputs_;
    bool net_balance_given_ = false;
};

// Runs the dialog; true when the window's 差引残高 is to show the net balance the price lines made
// (the session's record holds it).
bool run_residual_dialog(QWidget* main_window, session_state& session, const calc_inputs& inputs);

}  // namespace carloan
