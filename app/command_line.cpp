#include "app/command_line.h"

#include "app/command_line_platform.h"
#include "app/program_options.h"

#include <string_view>

namespace carloan {
namespace {

constexpr std::string_view help_text =
    "Usage: carloan [--help | --version]\n"
    "       carloan [--estimate-pdf FILE] [--schedule-pdf FILE] --quote NAME.car\n"
    "\n"
    "Quotes car loans: type the terms into the quote form and read the loan fee, loan amount,\n"
    "monthly and bonus payments; lay the quote out month by month, print an estimate, save and\n"
    "open quotes. carloan-quote gives the same figures on the command line.\n"
    "\n"
    "  --help                 show this text\n"
    "  --version              show the version\n"
    "  --estimate-pdf FILE    write the estimate of a saved quote as a PDF, without a window\n"
    "  --schedule-pdf FILE    write its repayment schedule as a PDF, without a window\n"
    "  --quote NAME.car       the quote: a file of the quote folder, or a path\n";

}  // namespace

std::optional<int> answer_information_request(std::span<char* const> arguments, std::ostream& out) {
    const information_request asked =
        read_program_options(
            program_arguments(static_cast<int>(arguments.size()), arguments.data()))
            .information;
    if (asked == information_request::none) {
        return std::nullopt;
    }
    reach_parent_console();
    if (asked == information_request::help) {
        out << help_text;
    } else {
        out << "carloan " << CARLOAN_VERSION << '\n';
    }
    out.flush();
    return out ? 0 : 1;
}

}  // namespace carloan
