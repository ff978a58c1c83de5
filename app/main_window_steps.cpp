// The steps the main window's commands are made of: the form's texts to the calculation and
// to and from quote files, through the field tables.

#include "app/main_window.h"

#include "app/main_window_fields.h"
#include "calc/amount_text.h"
#include "calc/price_lines.h"
#include "calc/residual_plan.h"
#include "calc/result_figures.h"
#include "storage/quote_calculation.h"
#include "storage/quote_extension.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/file_dialog.h"
#include "ui/message_box.h"
#include "ui/session.h"

#include "ui_main_window.h"

#include <cstring>
#include <span>
#include <utility>

namespace carloan {

using namespace main_window_fields;

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
            show_message(this, message_caption, QString::fromUtf8(message));
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
        show_message(this, message_caption, QString::fromStdString(outcome.message));
        return false;
    }
    const calc_result& result = *outcome.result;
    for (const field_control& control : field_controls) {
        if (control.figure != nullptr) {
            (ui_.get()->*control.widget)->setText(from_cp932(result.*control.figure->text));
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

// Compared as a save would write it, so that typing a text and taking it back again loses
// nothing, and the customer name and remarks a print confirmed count as much as the fields.
// A residual that cannot be read at all is kept as none.
quote_extension main_window::extension_to_save() const {
    residual_amount residual{};
    if (!session_.residual_text.empty()) {
        const std::optional<std::int32_t> vehicle_price = vehicle_price_of(session_.price_lines);
        // A percentage typed before the vehicle price is kept as the percentage alone, so that
        // saving never drops what the clerk typed.
        const auto read = read_residual(session_.residual_text, vehicle_price.value_or(0));
        if (const auto* amount = std::get_if<residual_amount>(&read)) {
            residual = *amount;
        }
    }
    quote_extension extension{};
    store_extension(extension, session_.price_lines, residual);
    return extension;
}

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
        this, message_caption, QStringLiteral("見積が保存されていません。保存しますか？"),
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
            this, message_caption,
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
        show_message(this, message_caption, QStringLiteral("ファイルの読込に失敗しました"));
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
        show_message(this, message_caption, QString::fromStdString(block_message));
    }
    // Until the calculation that follows, the figures shown are the earlier quote's.
    input_changed();
    return true;
}

}  // namespace carloan
