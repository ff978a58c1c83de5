#pragma once
// The desktop program's options for scripts: `--estimate-pdf FILE` and `--schedule-pdf FILE`
// write the estimate or the repayment schedule of the quote file named by `--quote NAME.car` as a
// PDF, without showing a window, with the branch settings the program would start with.

#include "app/program_options.h"
#include "print/page_strings.h"

#include <QString>

#include <filesystem>
#include <iosfwd>
#include <variant>

namespace carloan {

struct branch_settings;

// Exit statuses beyond 0: as carloan-quote gives them.
inline constexpr int pdf_exit_failure = 1;        // bad options, unreadable quote, unwritable PDF
inline constexpr int pdf_exit_missing_input = 2;  // the quote does not calculate
inline constexpr int pdf_exit_no_schedule = 3;    // its schedule cannot be listed

// A bare name is a file of the quote folder; a name with a folder in it is a path.
std::filesystem::path quote_argument_path(const QString& argument,
                                          const std::filesystem::path& quote_folder);

// Opens and recalculates the quote as 読込 does, then writes what was asked. Needs a running
// application; messages go to `err`.
int run_pdf_command(const pdf_command& command, const branch_settings& settings,
                    const std::filesystem::path& quote_folder, const local_time& now,
                    std::ostream& err);

// The whole run of the command read from main's arguments (or the reason it cannot run): an
// offscreen application, the branch settings of the working directory, the quote folder and the
// clock of the program.
int run_pdf_command_line(const std::variant<pdf_command, QString>& parsed, int argc, char* argv[]);

}  // namespace carloan
