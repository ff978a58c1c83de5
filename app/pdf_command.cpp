#include "app/pdf_command.h"

#include "app/command_line_platform.h"
#include "calc/calculate.h"
#include "print/page_strings.h"
#include "print/print_estimate.h"
#include "print/residual_page.h"
#include "schedule/expand.h"
#include "schedule/schedule_printout.h"
#include "storage/atomic_file.h"
#include "storage/branch_settings_file.h"
#include "storage/earlier_quotes.h"
#include "storage/quote_calculation.h"
#include "storage/quote_file.h"
#include "storage/quote_folder.h"
#include "storage/user_folders.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/session.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <sstream>

namespace carloan {
namespace {

std::ostream& operator<<(std::ostream& out, const QString& text) {
    return out << text.toStdString();
}

// As 読込 leaves it: the record read whole, the inputs recalculated with the record's flags.
bool calculate_opened(session_state& session, std::ostream& err) {
    const quote_record& record = session.record;
    session.flags = {record.bonus_method, record.cycle_mode};
    const calc_outcome outcome = calculate(inputs_of(record), session.flags);
    if (!outcome.result) {
        err << "carloan: " << outcome.message << '\n';
        return false;
    }
    store_result(session.record, *outcome.result, session.flags);
    return true;
}

// A bare name is a file of the quote folder; a name with a folder in it is a path.
std::filesystem::path quote_argument_path(const QString& argument,
                                          const std::filesystem::path& quote_folder) {
    if (QFileInfo(argument).fileName() != argument || argument.contains(QLatin1Char('\\'))) {
        return std::filesystem::path(argument.toStdU16String());
    }
    // A name code page 932 cannot hold names no quote file; the open then fails on it.
    return quote_file_path(quote_folder, to_cp932(argument).value_or(std::string{}));
}

// Opens and recalculates the quote as 読込 does, then writes what was asked. Needs a running
// application; messages go to `err`.
int run_pdf_command(const pdf_command& command, const branch_settings& settings,
                    const std::filesystem::path& quote_folder, const local_time& now,
                    std::ostream& err) {
    session_state session;
    session.settings = settings;
    const std::filesystem::path quote = quote_argument_path(command.quote, quote_folder);
    // Named as a struct: quote_folder.h gives the same name to the file suffix.
    struct quote_extension extension {};
    std::string block_message;
    if (!open_quote_with_extension(quote, session.record, extension, block_message)) {
        err << "carloan: cannot read the quote file "
            << QString::fromStdU16String(quote.u16string()) << '\n';
        return pdf_exit_failure;
    }
    if (!block_message.empty()) {
        err << "carloan: " << block_message << '\n';
    }
    if (!calculate_opened(session, err)) {
        return pdf_exit_missing_input;
    }
    // A quote with a residual prints the residual plan's page in place of the estimate.
    std::optional<residual_quote> residual;
    if (extension.residual != 0) {
        auto quoted = quote_residual(inputs_of(session.record), session.flags,
                                     price_lines_of(extension), residual_text_of(extension));
        if (const auto* message = std::get_if<std::string>(&quoted)) {
            err << "carloan: " << *message << '\n';
            return pdf_exit_missing_input;
        }
        residual = std::get<residual_quote>(std::move(quoted));
    }
    // Everything that can stop the run is checked before the first file is written, so that a
    // failed run leaves no file written either.
    for (const QString* output : {&command.estimate_pdf, &command.schedule_pdf}) {
        if (!output->isEmpty() &&
            !may_write_over(std::filesystem::path(output->toStdU16String()))) {
            err << "carloan: cannot write " << *output << '\n';
            return pdf_exit_failure;
        }
    }
    // The schedule as the dialog would list it from the parameters saved with the quote.
    expansion schedule;
    if (!command.schedule_pdf.isEmpty()) {
        schedule = expand(session.record, entries_of(session.record));
        if (!schedule.message.empty()) {
            err << "carloan: " << schedule.message << '\n';
            return pdf_exit_no_schedule;
        }
    }
    const auto write_page = [&] {
        if (!residual) {
            return write_estimate_pdf(command.estimate_pdf, session, now);
        }
        return write_pdf(command.estimate_pdf,
                         QString::fromUtf8(residual_page_title.data(),
                                           static_cast<qsizetype>(residual_page_title.size())),
                         drawing_of({residual_page(*residual, session.record, session.settings,
                                                   read_slot(session.record.customer_name), now)}));
    };
    if (!command.estimate_pdf.isEmpty() && !write_page()) {
        err << "carloan: cannot write " << command.estimate_pdf << '\n';
        return pdf_exit_failure;
    }
    if (!command.schedule_pdf.isEmpty() && !write_schedule_pdf(command.schedule_pdf, session.record,
                                                               payment_rows(schedule.rows), now)) {
        err << "carloan: cannot write " << command.schedule_pdf << '\n';
        return pdf_exit_failure;
    }
    return 0;
}

}  // namespace

// The messages are gathered and written to standard error once the run has ended: the standard
// streams are left out of the desktop program, whose every start would set them up for nothing.
int run_pdf_command_line(const std::variant<pdf_command, QString>& parsed, int argc, char* argv[]) {
    std::ostringstream messages;
    const int status = [&] {
        if (const QString* problem = std::get_if<QString>(&parsed)) {
            messages << "carloan: " << *problem << '\n';
            return pdf_exit_failure;
        }
        // No window is shown, so no display is needed either. Standard error is for the run's
        // own messages: Qt's notes on the session (no XDG_RUNTIME_DIR, say) are no concern of a
        // script's.
        // Another platform stands in when the first cannot be loaded: with none at all Qt would
        // wait on a message box on Windows.
        qputenv("QT_QPA_PLATFORM", windowless_platforms());
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        int program_name_only = argc > 0 ? 1 : 0;
        QApplication application(program_name_only, argv);
        branch_settings settings{};
        load_branch_settings(settings, branch_settings_location());
        const std::filesystem::path folder = quote_folder();
        const std::vector<std::filesystem::path> left =
            move_earlier_quotes(earlier_quote_folder(), folder);
        if (!left.empty()) {
            messages << "carloan: quotes left in "
                     << QString::fromStdU16String(left.front().parent_path().u16string())
                     << ", as the quote folder holds their names or they could not be moved:";
            for (const std::filesystem::path& quote : left) {
                messages << ' ' << QString::fromStdU16String(quote.filename().u16string());
            }
            messages << '\n';
        }
        return run_pdf_command(std::get<pdf_command>(parsed), settings, folder, print_time(),
                               messages);
    }();
    std::fputs(messages.str().c_str(), stderr);
    return status;
}

}  // namespace carloan
