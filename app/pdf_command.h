#pragma once
// The desktop program's options for scripts: `--estimate-pdf FILE` and `--schedule-pdf FILE`
// write the estimate or the repayment schedule of the quote file named by `--quote NAME.car` as a
// PDF, without showing a window, with the branch settings the program would start with.

#include "app/program_options.h"

#include <QString>

#include <variant>

namespace carloan {

// Exit statuses beyond 0: as carloan-quote gives them.
inline constexpr int pdf_exit_failure = 1;        // bad options, unreadable quote, unwritable PDF
inline constexpr int pdf_exit_missing_input = 2;  // the quote does not calculate
inline constexpr int pdf_exit_no_schedule = 3;    // its schedule cannot be listed

// The whole run of the command read from main's arguments (or the reason it cannot run): an
// offscreen application, the branch settings of the working directory, the quote folder and the
// clock of the program.
int run_pdf_command_line(const std::variant<pdf_command, QString>& parsed, int argc, char* argv[]);

}  // namespace carloan
