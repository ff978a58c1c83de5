#include "app/main_window.h"

#include "calc/amount_text.h"
#include "calc/calculate.h"
#include "calc/residual_plan.h"
#include "calc/result_figures.h"
#include "plans/plan_comparison_dialog.h"
#include "plans/residual_dialog.h"
#include "print/page_strings.h"
#include "print/print_confirmation_dialog.h"
#include "print/print_estimate.h"
#include "schedule/schedule_dialog.h"
#include "storage/branch_settings_dialog.h"
#include "storage/open_dialog.h"
#include "storage/quote_calculation.h"
#include "storage/quote_file.h"
#include "storage/save_name_dialog.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/ascii_digits.h"
#include "ui/file_dialog.h"
#include "ui/message_box.h"
#include "ui/session.h"
#include "ui/window_icon.h"

#include "ui_main_window.h"

#include <QFocusEvent>
#include <QKeySequence>
#include <QPushButton>

#include <cstring>
#include <span>
#include <utility>

namespace carloan {
namespace {

const QString new_quote_title = QStringLiteral("新規");
const QString addition_amount_label = QStringLiteral("ボーナス加算額");
const QString first_cycle_label = QStringLiteral("第一サイクル計上");
const QString printing_status = QStringLiteral("印刷中です・・・");
const QString printed_status = QStringLiteral("印刷が終了しました。");
const QString print_failed_status = QStringLiteral("印刷に失敗しました。");
const QString figures_description = QStringLiteral("計算結果");
const QString stale_figures_description =
    QStringLiteral("計算結果（入力が変わったため古い値です。計算し直してください）");

struct field_control {
    int number;
    QLineEdit* Ui::main_window::*widget;
    std::string_view figure = {};  // the result figure an output field shows
};

constexpr field_control field_controls[] = {
    {main_control::rate, &Ui::main_window::rate_field},
    {main_control::payment_count, &Ui::main_window::payment_count_field},
    {main_control::net_balance, &Ui::main_window::net_balance_field},
    {main_control::skip_months, &Ui::main_window::skip_months_field},
    {main_control::bonus_amount, &Ui::main_window::bonus_amount_field},
    {main_control::bonus_count, &Ui::main_window::bonus_count_field},
    {main_control::deferment, &Ui::main_window::deferment_field},
    {main_control::loan_fee, &Ui::main_window::loan_fee_field, "loan_fee"},
    {main_control::loan_amount, &Ui::main_window::loan_amount_field, "loan_amount"},
    {main_control::first_payment, &Ui::main_window::first_payment_field, "first_payment"},
    {main_control::later_payment, &Ui::main_window::later_payment_field, "later_payment"},
    {main_control::later_count, &Ui::main_window::later_count_field, "later_count"},
    {main_control::bonus_payment, &Ui::main_window::bonus_payment_field, "bonus_payment"},
    {main_control::bonus_times, &Ui::main_window::bonus_times_field, "bonus_count"},
    {main_control::comparison, &Ui::main_window::comparison_field, "comparison"},
};

// The inputs of the form, as the calculation and the quote record name them.
struct input_field {
    int control;
    std::string calc_inputs::*text;
    bool amount = false;  // a yen amount, which may be typed in 万
};

constexpr input_field input_fields[] = {
    {main_control::rate, &calc_inputs::rate_text},
    {main_control::payment_count, &calc_inputs::payment_count_text},
    {main_control::net_balance, &calc_inputs::net_balance_text, true},
    {main_control::skip_months, &calc_inputs::skip_months_text},
    {main_control::bonus_amount, &calc_inputs::bonus_addition_text, true},
    {main_control::bonus_count, &calc_inputs::bonus_count_text},
    {main_control::deferment, &calc_inputs::deferment_text},
};

template <auto member>
std::span<char> slot(quote_record& record) {
    return record.*member;
}

struct field_slot {
    int control;
    std::span<char> (*slot)(quote_record&);
};

// A quote file's text slots, in the order a save reads them.
constexpr field_slot quote_fields[] = {
    {main_control::rate, slot<&quote_record::rate_text>},
    {main_control::payment_count, slot<&quote_record::payment_count_text>},
    {main_control::net_balance, slot<&quote_record::net_balance_text>},
    {main_control::skip_months, slot<&quote_record::skip_months_text>},
    {main_control::bonus_amount, slot<&quote_record::bonus_addition_text>},
    {main_control::bonus_count, slot<&quote_record::bonus_count_text>},
    {main_control::deferment, slot<&quote_record::deferment_text>},
    {main_control::loan_fee, slot<&quote_record::loan_fee_text>},
    {main_control::loan_amount, slot<&quote_record::loan_amount_text>},
    {main_control::first_payment, slot<&quote_record::first_payment_text>},
    {main_control::later_payment, slot<&quote_record::later_payment_text>},
    {main_control::later_count, slot<&quote_record::later_count_text>},
    {main_control::bonus_payment, slot<&quote_record::bonus_payment_text>},
    {main_control::bonus_times, slot<&quote_record::bonus_times_text>},
};

// A save takes two bytes less than the slot: the terminator, and the last byte, which a field
// read never writes.
std::size_t saved_text_limit(std::span<char> slot) {
    return slot.size() - 2;
}

}  // namespace

main_window_steps main_window_steps::program() {
    return {.schedule_dialog = run_schedule_dialog,
            .plans_dialog = run_plan_comparison_dialog,
            .print_confirmation_dialog = run_print_confirmation_dialog,
            .print = print_estimate,
            .save_name_dialog = run_save_name_dialog,
            .open_dialog = run_open_dialog,
            .branch_settings_dialog = run_branch_settings_dialog,
            .residual_dialog = run_residual_dialog,
            .save = save_quote_with_extension,
            .open = open_quote_with_extension};
}

main_window::main_window(session_state& session, main_window_steps steps, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::main_window>()),
      session_(session),
      steps_(std::move(steps)) {
    ui_->setupUi(this);
    setWindowIcon(program_icon());

    for (const field_control& control : field_controls) {
        QLineEdit* line = ui_.get()->*control.widget;
        line->installEventFilter(this);
        if (!line->isReadOnly()) {
            line->setValidator(new cp932_validator(line));
            accept_full_width_digits(line);
            // Typing is a notification of the form like any other: it clears the status.
            connect(line, &QLineEdit::textEdited, this, &main_window::clear_status);
            connect(line, &QLineEdit::textEdited, this, &main_window::input_changed);
        } else {
            // Tells an output from the input of the same name (ボーナス月返済 under the total
            // method) when a screen reader announces it.
            line->setAccessibleDescription(figures_description);
        }
    }
    // Enter on a switch calculates, as anywhere else in the form, instead of switching again.
    for (QPushButton* toggle : {ui_->cycle_toggle, ui_->method_toggle}) {
        toggle->setAutoDefault(false);
        toggle->setAccessibleDescription(QStringLiteral("切替え"));
    }

    on_click(ui_->calculate_button, &main_window::calculate_command);
    on_click(ui_->schedule_button, &main_window::schedule_command);
    on_click(ui_->plans_button, &main_window::plans_command);
    on_click(ui_->print_button, &main_window::print_command);
    on_click(ui_->save_button, &main_window::save_command);
    on_click(ui_->open_button, &main_window::open_command);
    on_click(ui_->quit_button, &main_window::quit_command);
    on_click(ui_->settings_button, &main_window::branch_settings_command);
    on_click(ui_->cycle_toggle, &main_window::toggle_cycle);
    on_click(ui_->method_toggle, &main_window::toggle_method);
    on_click(ui_->residual_button, &main_window::residual_command);
    // One key from any field, so that the form's own layout and tab order stay as they were.
    ui_->residual_button->setShortcut(QKeySequence(Qt::Key_F8));

    show_flags();
    clear_status();
    ui_->rate_field->setFocus();
    setWindowTitle(new_quote_title);
    take_as_saved();
}

main_window::~main_window() = default;

QLineEdit* main_window::field(int control) const {
    for (const field_control& candidate : field_controls) {
        if (candidate.number == control) {
            return ui_.get()->*candidate.widget;
        }
    }
    return nullptr;
}

void main_window::on_click(QAbstractButton* button, void (main_window::*command)()) {
    connect(button, &QAbstractButton::clicked, this, [this, command] {
        clear_status();
        (this->*command)();
    });
}

// --- Commands --------------------------------------------------------------------------------

void main_window::calculate_command() {
    calculate_quote();
}

// The schedule and the printout work from the last completed calculation, so neither looks at
// whether this one stopped on a missing input.
void main_window::schedule_command() {
    calculate_quote();
    steps_.schedule_dialog(this, session_);
}

// Unlike the schedule, the comparison needs a completed quote: it is made of the same inputs.
void main_window::plans_command() {
    if (!calculate_quote()) {
        return;
    }
    const std::optional<plan_choice> choice = steps_.plans_dialog(this, session_, current_inputs());
    if (!choice) {
        return;
    }
    const QString count_before = ui_->payment_count_field->text();
    const QString balance_before = ui_->net_balance_field->text();
    if (!choice->payment_count_text.empty()) {
        ui_->payment_count_field->setText(from_cp932(choice->payment_count_text));
    }
    if (!choice->net_balance_text.empty()) {
        ui_->net_balance_field->setText(from_cp932(choice->net_balance_text));
    }
    // A choice the calculation refuses is taken back, so that the figures shown stay those of
    // the inputs shown.
    if (!calculate_quote()) {
        ui_->payment_count_field->setText(count_before);
        ui_->net_balance_field->setText(balance_before);
    }
}

void main_window::print_command() {
    calculate_quote();
    if (!steps_.print_confirmation_dialog(this, session_)) {
        return;
    }
    show_status(printing_status);
    ui_->status_label->repaint();  // the print keeps the event loop busy
    show_status(steps_.print(this, session_) ? printed_status : print_failed_status);
}

void main_window::save_command() {
    steps_.save_name_dialog(this, session_);
    if (quote_chosen() && save_quote_from_fields()) {
        take_as_saved();
    }
}

void main_window::open_command() {
    steps_.open_dialog(this, session_);
    if (quote_chosen() && open_quote_into_fields()) {
        calculate_quote();
        take_as_saved();
    }
}

void main_window::branch_settings_command() {
    steps_.branch_settings_dialog(this, session_);
}

// The residual plan is quoted in its own dialog; the window's figures stay the ordinary plan's.
void main_window::residual_command() {
    if (!steps_.residual_dialog(this, session_, current_inputs())) {
        return;
    }
    const QString balance = from_cp932(read_slot(session_.record.net_balance_text));
    if (balance != ui_->net_balance_field->text()) {
        ui_->net_balance_field->setText(balance);
        input_changed();
    }
}

void main_window::quit_command() {
    if (may_leave()) {
        done(1);
    }
}

void main_window::reject() {
    clear_status();
    quit_command();
}

// The label shown, not the flag, decides: a quote file may hold a method other than 0 or 1, and
// the toggle then starts from what the clerk sees.
void main_window::toggle_method() {
    session_.flags.bonus_method = ui_->bonus_amount_label->text() == addition_amount_label ? 1 : 0;
    show_flags();
    input_changed();
}

void main_window::toggle_cycle() {
    session_.flags.cycle_mode = ui_->cycle_label->text() == first_cycle_label ? 2 : 1;
    show_flags();
    input_changed();
}

// --- Steps -----------------------------------------------------------------------------------

calc_inputs main_window::current_inputs() const {
    calc_inputs inputs;
    for (const input_field& input : input_fields) {
        std::string text = field_cp932(field(input.control)->text(), input_read_limit);
        // "150万" is read as 1500000, as leaving the field shows it.
        if (input.amount) {
            text = ten_thousands_read(text).value_or(text);
        }
        inputs.*input.text = std::move(text);
    }
    return inputs;
}

bool main_window::calculate_quote() {
    // An amount with a 万 that names no whole number of yen would read as its leading digits.
    for (const auto& [control, message] :
         {std::pair{main_control::net_balance, "差引残高が範囲外です"},
          std::pair{main_control::bonus_amount, "ボーナス加算額が範囲外です"}}) {
        if (!ten_thousands_read(field_cp932(field(control)->text(), input_read_limit))) {
            show_message(this, caption_tavri, QString::fromUtf8(message));
            return false;
        }
    }
    const calc_outcome outcome = calculate(current_inputs(), session_.flags);
    // A quote out of range changes nothing at all; any other calculation, also one stopped on a
    // missing input, starts the repayment table afresh.
    if (!outcome.out_of_range) {
        session_.table = {};
    }
    if (!outcome.result) {
        show_message(this, caption_tavri, QString::fromStdString(outcome.message));
        return false;
    }
    const calc_result& result = *outcome.result;
    for (const result_figure& figure : result_figures) {
        for (const field_control& control : field_controls) {
            if (control.figure == figure.name) {
                (ui_.get()->*control.widget)->setText(from_cp932(result.*figure.text));
            }
        }
    }
    store_result(session_.record, result, session_.flags);
    show_figures_stale(false);
    return true;
}

bool main_window::quote_chosen() const {
    return session_.quote_name != no_quote_name;
}

quote_record main_window::record_to_save() const {
    quote_record record = session_.record;
    for (const field_slot& entry : quote_fields) {
        const std::span<char> target = entry.slot(record);
        write_slot(target, field_cp932(field(entry.control)->text(), saved_text_limit(target)));
    }
    record.bonus_method = session_.flags.bonus_method;
    record.cycle_mode = session_.flags.cycle_mode;
    return record;
}

// A residual that cannot be read is kept as none: only a quoted figure is stored.
quote_extension main_window::extension_to_save() const {
    residual_amount residual{};
    if (!session_.residual_text.empty()) {
        std::optional<std::int32_t> vehicle_price;
        const auto prices = read_price_lines(session_.price_lines);
        if (const auto* figures = std::get_if<price_figures>(&prices);
            figures && !session_.price_lines.vehicle_price_text.empty()) {
            vehicle_price = figures->vehicle_price;
        }
        const auto read = read_residual(session_.residual_text, vehicle_price);
        if (const auto* amount = std::get_if<residual_amount>(&read)) {
            residual = *amount;
        }
    }
    quote_extension extension{};
    store_extension(extension, session_.price_lines, residual);
    return extension;
}

// Compared as a save would write it, so that typing a text and taking it back again loses
// nothing, and the customer name and remarks a print confirmed count as much as the fields.
bool main_window::has_unsaved_quote() const {
    const quote_record now = record_to_save();
    const quote_extension extension = extension_to_save();
    return std::memcmp(&now, &saved_record_, sizeof now) != 0 ||
           std::memcmp(&extension, &saved_extension_, sizeof extension) != 0;
}

void main_window::take_as_saved() {
    saved_record_ = record_to_save();
    saved_extension_ = extension_to_save();
}

bool main_window::may_leave() {
    if (!has_unsaved_quote()) {
        return true;
    }
    const message_answer answer = ask_question(
        this, caption_tavri, QStringLiteral("見積が保存されていません。保存しますか？"),
        {message_answer::save, message_answer::quit, message_answer::cancel}, message_answer::save);
    if (answer == message_answer::save) {
        save_command();
        return !has_unsaved_quote();
    }
    return answer == message_answer::quit;
}

bool main_window::save_quote_from_fields() {
    session_.record = record_to_save();
    if (!steps_.save(session_.quote_path, session_.record, extension_to_save())) {
        show_message(
            this, caption_tavri,
            save_failure_message(QStringLiteral("ファイルの保存に失敗しました"),
                                 QString::fromStdU16String(session_.quote_path.u16string())));
        return false;
    }
    show_quote_name();
    return true;
}

// A file that cannot be read changes nothing: the window keeps the quote the clerk was working on.
bool main_window::open_quote_into_fields() {
    quote_record opened = session_.record;
    quote_extension extension{};
    std::string block_message;
    if (!steps_.open(session_.quote_path, opened, extension, block_message)) {
        show_message(this, caption_tavri, QStringLiteral("ファイルの読込に失敗しました"));
        return false;
    }
    session_.record = opened;
    session_.price_lines = price_lines_of(extension);
    session_.residual_text = residual_text_of(extension);
    const calc_inputs inputs = inputs_of(session_.record);
    for (const input_field& input : input_fields) {
        field(input.control)->setText(from_cp932(inputs.*input.text));
    }
    session_.flags.bonus_method = session_.record.bonus_method;
    session_.flags.cycle_mode = session_.record.cycle_mode;
    show_flags();
    show_quote_name();
    if (!block_message.empty()) {
        show_message(this, caption_tavri, QString::fromStdString(block_message));
    }
    // Until the calculation that follows, the figures shown are the earlier quote's.
    input_changed();
    return true;
}

void main_window::show_flags() {
    const bool total_method = session_.flags.bonus_method == 1;
    const QString amount_label =
        total_method ? QStringLiteral("ボーナス月返済") : addition_amount_label;
    const QString payment_name =
        total_method ? QStringLiteral("ボーナス月返済") : QStringLiteral("ボーナス月加算");
    ui_->bonus_amount_label->setText(amount_label);
    ui_->bonus_amount_field->setAccessibleName(amount_label);
    ui_->bonus_payment_label->setText(payment_name + QStringLiteral(" ＝"));
    ui_->bonus_payment_field->setAccessibleName(payment_name);
    ui_->method_toggle->setText(total_method ? QStringLiteral("ボーナス月総額方式")
                                             : QStringLiteral("ボーナス月加算方式"));
    ui_->method_toggle->setAccessibleName(ui_->method_toggle->text());
    ui_->cycle_label->setText(session_.flags.cycle_mode == 2 ? QStringLiteral("第二サイクル計上")
                                                             : first_cycle_label);
    // The switch's own text says only what it does; a screen reader names the mode it sets.
    ui_->cycle_toggle->setAccessibleName(ui_->cycle_label->text());
}

// The title names only a quote file that exists; the print confirmation proposes its customer.
void main_window::show_quote_name() {
    setWindowTitle(from_cp932(session_.quote_name));
    session_.customer_name = customer_name_from_title(session_.quote_name);
}

// Figures that no longer belong to the inputs must not be read out as theirs.
void main_window::input_changed() {
    if (!ui_->loan_fee_field->text().isEmpty()) {
        show_figures_stale(true);
    }
}

// Struck through and greyed, and described so to a screen reader, until the next calculation.
void main_window::show_figures_stale(bool stale) {
    if (stale == figures_stale_) {
        return;
    }
    figures_stale_ = stale;
    for (const field_control& control : field_controls) {
        QLineEdit* line = ui_.get()->*control.widget;
        if (!line->isReadOnly()) {
            continue;
        }
        QFont font = line->font();
        font.setStrikeOut(stale);
        line->setFont(font);
        QPalette colours = line->palette();
        colours.setColor(QPalette::Text, stale ? palette().color(QPalette::PlaceholderText)
                                               : palette().color(QPalette::Text));
        line->setPalette(colours);
        line->setAccessibleDescription(stale ? stale_figures_description : figures_description);
    }
}

void main_window::clear_status() {
    show_status(QString());
}

// The status is its own accessible name, so that a screen reader announces the status itself.
void main_window::show_status(const QString& text) {
    ui_->status_label->setText(text);
    ui_->status_label->setAccessibleName(text);
}

// A 万 that names no whole number of yen is left as typed, for the calculation to refuse.
void main_window::reformat_amount(QLineEdit* field) {
    const std::optional<std::string> text =
        ten_thousands_read(field_cp932(field->text(), input_read_limit));
    if (text && !text->empty()) {
        field->setText(from_cp932(amount_text(*text, amount_width)));
    }
}

// Focus moving between fields clears the status, as any command does; focus that comes and goes
// with the window itself (a dialog over it, another program) does not, so the status a print
// leaves stays readable. The amount fields are reformatted whenever they lose the focus.
bool main_window::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            clear_status();
        }
        if (event->type() == QEvent::FocusOut && reason != Qt::PopupFocusReason &&
            (watched == ui_->net_balance_field || watched == ui_->bonus_amount_field)) {
            reformat_amount(static_cast<QLineEdit*>(watched));
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace carloan
