#pragma once
// The plan comparison dialog, opened by プラン比較 after a completed calculation: the quote for
// several payment counts side by side, and the quote worked back from a monthly budget. It shows
// what plans/ computes from the main window's inputs and hands the clerk's choice back; it
// changes neither the form nor the session itself.

#include "calc/calculate.h"
#include "plans/plan_comparison.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace Ui {
class plan_comparison_dialog;
}

namespace carloan {

struct printout;
struct session_state;

// What the main window puts into its form before it calculates again. Code page 932; an empty
// text leaves that field as it is.
struct plan_choice {
    std::string payment_count_text;
    std::string net_balance_text;

    bool operator==(const plan_choice&) const = default;
};

class plan_comparison_dialog : public QDialog {
  public:
    // `inputs` are the form's texts as the calculation just read them; the session names the
    // customer on the printout.
    plan_comparison_dialog(const session_state& session, calc_inputs inputs,
                           QWidget* main_window = nullptr);
    ~plan_comparison_dialog() override;

    // Set when the dialog was closed by この回数で計算 or この条件で計算.
    const std::optional<plan_choice>& choice() const { return choice_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void compare();
    void solve_balance();
    void solve_payments();
    void use_count();
    void use_answer();
    void print();
    void preview();
    void save_pdf();

    std::optional<std::int32_t> budget();
    void show_answer(const std::optional<calc_result>& answer, bool balance_solved);
    void show_no_answer(std::string_view reason);
    void show_columns();
    printout comparison_printout() const;
    bool residual_plans() const;
    std::optional<std::size_t> chosen_column() const;
    void show_usable_count();

    std::unique_ptr<Ui::plan_comparison_dialog> ui_;
    const session_state& session_;
    calc_inputs inputs_;
    std::vector<plan_column> columns_;
    std::optional<calc_result> answer_;
    bool balance_solved_ = false;
    // Enter in the budget field repeats the search last chosen.
    void (plan_comparison_dialog::*last_search_)() = &plan_comparison_dialog::solve_balance;
    std::optional<plan_choice> choice_;
};

std::optional<plan_choice> run_plan_comparison_dialog(QWidget* main_window,
                                                      const session_state& session,
                                                      const calc_inputs& inputs);

}  // namespace carloan
