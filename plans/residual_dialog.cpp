#include "plans/residual_dialog.h"

#include "calc/amount_text.h"
#include "calc/result_figures.h"
#include "print/print_pages.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/ascii_digits.h"
#include "ui/dialog_placement.h"
#include "ui/file_dialog.h"
#include "ui/message_box.h"
#include "ui/session.h"
#include "ui_residual_dialog.h"

#include <QPushButton>

#include <string>
#include <string_view>
#include <utility>

namespace carloan {
namespace {

struct field_control {
    int number;
    QLineEdit* Ui::residual_dialog::*widget;
    const result_figure* figure = nullptr;  // the figure an output field shows
};

constexpr field_control field_controls[] = {
    {residual_control::vehicle_price, &Ui::residual_dialog::vehicle_price_field},
    {residual_control::accessories, &Ui::residual_dialog::accessories_field},
    {residual_control::expenses, &Ui::residual_dialog::expenses_field},
    {residual_control::discount, &Ui::residual_dialog::discount_field},
    {residual_control::down_payment, &Ui::residual_dialog::down_payment_field},
    {residual_control::trade_in, &Ui::residual_dialog::trade_in_field},
    {residual_control::cash_price, &Ui::residual_dialog::cash_price_field},
    {residual_control::net_balance, &Ui::residual_dialog::net_balance_field},
    {residual_control::residual, &Ui::residual_dialog::residual_field},
    {residual_control::first_payment, &Ui::residual_dialog::first_payment_field,
     &figure_of(&calc_result::first_payment)},
    {residual_control::later_payment, &Ui::residual_dialog::later_payment_field,
     &figure_of(&calc_result::later_payment)},
    {residual_control::later_count, &Ui::residual_dialog::later_count_field,
     &figure_of(&calc_result::later_count)},
    {residual_control::bonus_payment, &Ui::residual_dialog::bonus_payment_field,
     &figure_of(&calc_result::bonus_payment)},
    {residual_control::bonus_times, &Ui::residual_dialog::bonus_times_field,
     &figure_of(&calc_result::bonus_count)},
    {residual_control::final_payment, &Ui::residual_dialog::final_payment_field,
     &figure_of(&calc_result::final_payment)},
    {residual_control::loan_fee, &Ui::residual_dialog::loan_fee_field,
     &figure_of(&calc_result::loan_fee)},
    {residual_control::loan_amount, &Ui::residual_dialog::loan_amount_field,
     &figure_of(&calc_result::loan_amount)},
    {residual_control::total_payment, &Ui::residual_dialog::total_payment_field},
};

// The price lines in the order of price_lines, each beside its field.
constexpr int price_line_controls[] = {
    residual_control::vehicle_price, residual_control::accessories,  residual_control::expenses,
    residual_control::discount,      residual_control::down_payment, residual_control::trade_in,
};

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString amount_shown(std::int32_t amount) {
    return from_cp932(amount_text(amount, amount_width));
}

}  // namespace

residual_dialog::residual_dialog(session_state& session, calc_inputs inputs, QWidget* main_window)
    : QDialog(main_window),
      ui_(std::make_unique<Ui::residual_dialog>()),
      session_(session),
      inputs_(std::move(inputs)) {
    ui_->setupUi(this);
    for (const field_control& control : field_controls) {
        QLineEdit* line = ui_.get()->*control.widget;
        if (line->isReadOnly()) {
            continue;
        }
        // As the main window's amounts: 万 and ％ come through the input method, and full-width
        // digits are read as typed.
        line->setValidator(new cp932_validator(line));
        accept_full_width_digits(line);
    }
    for (std::size_t i = 0; i < price_lines.size(); ++i) {
        field(price_line_controls[i])
            ->setText(from_cp932(session_.price_lines.*price_lines[i].text));
    }
    ui_->residual_field->setText(from_cp932(session_.residual_text));
    // The window's own balance until the price lines or a 計算 give another.
    const std::optional<std::string> balance = ten_thousands_read(inputs_.net_balance_text);
    if (balance && !balance->empty()) {
        ui_->net_balance_field->setText(from_cp932(amount_text(*balance, amount_width)));
    }

    connect(ui_->calculate_button, &QPushButton::clicked, this, &residual_dialog::calculate);
    connect(ui_->print_button, &QPushButton::clicked, this, &residual_dialog::print);
    connect(ui_->preview_button, &QPushButton::clicked, this, &residual_dialog::preview);
    connect(ui_->pdf_button, &QPushButton::clicked, this, &residual_dialog::save_pdf);
    connect(ui_->close_button, &QPushButton::clicked, this, &QDialog::accept);

    move_to_screen_corner(this);
    ui_->vehicle_price_field->setFocus();
}

residual_dialog::~residual_dialog() = default;

QLineEdit* residual_dialog::field(int control) const {
    for (const field_control& candidate : field_controls) {
        if (candidate.number == control) {
            return ui_.get()->*candidate.widget;
        }
    }
    return nullptr;
}

price_line_texts residual_dialog::typed_lines() const {
    price_line_texts lines;
    for (std::size_t i = 0; i < price_lines.size(); ++i) {
        lines.*price_lines[i].text =
            field_cp932(field(price_line_controls[i])->text(), input_read_limit);
    }
    return lines;
}

// The lines that read make the net balance the window shows; lines that do not leave it alone.
void residual_dialog::done(int result) {
    session_.price_lines = typed_lines();
    session_.residual_text = field_cp932(ui_->residual_field->text(), input_read_limit);
    net_balance_given_ = false;
    if (session_.price_lines.any()) {
        const auto read = read_price_lines(session_.price_lines);
        if (const auto* prices = std::get_if<price_figures>(&read)) {
            write_slot(session_.record.net_balance_text,
                       amount_text(prices->net_balance, amount_width));
            net_balance_given_ = true;
        }
    }
    QDialog::done(result);
}

std::optional<residual_quote> residual_dialog::quote() {
    auto quoted = quote_residual(inputs_, session_.flags, typed_lines(),
                                 field_cp932(ui_->residual_field->text(), input_read_limit));
    if (const auto* message = std::get_if<std::string>(&quoted)) {
        show_message(this, message_caption, utf8(*message));
        return std::nullopt;
    }
    return std::get<residual_quote>(std::move(quoted));
}

void residual_dialog::calculate() {
    if (const std::optional<residual_quote> quoted = quote()) {
        show_quote(*quoted);
    }
}

void residual_dialog::show_quote(const residual_quote& shown) {
    const calc_result& result = shown.result;
    ui_->cash_price_field->setText(shown.prices ? amount_shown(shown.prices->cash_price)
                                                : QString());
    ui_->net_balance_field->setText(amount_shown(result.net_balance));
    for (const field_control& control : field_controls) {
        if (control.figure != nullptr) {
            (ui_.get()->*control.widget)->setText(from_cp932(result.*control.figure->text));
        }
    }
    ui_->total_payment_field->setText(amount_shown(shown.total_payment));
}

// The page is made of the plan as the form holds it now, so that it never prints figures the
// fields no longer show.
printout residual_dialog::residual_printout(const residual_quote& quoted) const {
    return {utf8(residual_page_title), [this, quoted](const local_time& now) {
                return drawing_of({residual_page(quoted, session_.record, session_.settings,
                                                 session_.customer_name, now)});
            }};
}

void residual_dialog::print() {
    if (const std::optional<residual_quote> quoted = quote()) {
        show_quote(*quoted);
        print_printout(this, residual_printout(*quoted));
    }
}

void residual_dialog::preview() {
    if (const std::optional<residual_quote> quoted = quote()) {
        show_quote(*quoted);
        preview_printout(this, residual_printout(*quoted));
    }
}

void residual_dialog::save_pdf() {
    if (const std::optional<residual_quote> quoted = quote()) {
        show_quote(*quoted);
        save_printout_pdf(this, residual_printout(*quoted), from_cp932(session_.customer_name));
    }
}

bool run_residual_dialog(QWidget* main_window, session_state& session, const calc_inputs& inputs) {
    residual_dialog dialog(session, inputs, main_window);
    dialog.exec();
    return dialog.net_balance_given();
}

}  // namespace carloan
