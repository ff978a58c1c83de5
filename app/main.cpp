// The desktop program: loads the branch settings, runs the main window until the clerk ends it,
// and ends with 0. Of the command line only --help, --version and the PDF options for scripts
// (app/pdf_command.h) are read.

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/pdf_command.h"
#include "app/program_options.h"
#include "app/start_up_work.h"
#include "storage/branch_settings_file.h"
#include "storage/user_folders.h"
#include "ui/field_style.h"
#include "ui/japanese_font.h"
#include "ui/qt_translation.h"
#include "ui/session.h"

#include <QApplication>

#include <cstddef>
#include <cstdio>
#include <sstream>

namespace {

// The settings are stored back where they were read from, or in the user's configuration folder
// when there were none.
void load_settings(carloan::session_state& session) {
    session.settings_path = carloan::branch_settings_location();
    carloan::load_branch_settings(session.settings, session.settings_path);
}

}  // namespace

int main(int argc, char* argv[]) {
    // Written through stdio: the standard streams would be set up at every start for nothing.
    std::ostringstream information;
    if (const auto status = carloan::answer_information_request(
            {argv, static_cast<std::size_t>(argc)}, information)) {
        // A full disk or a closed pipe is said, as carloan-quote says it.
        if (std::fputs(information.str().c_str(), stdout) < 0 || std::fflush(stdout) != 0) {
            std::fputs("carloan: cannot write the output\n", stderr);
            return 1;
        }
        return *status;
    }
    const carloan::program_options options =
        carloan::read_program_options(carloan::program_arguments(argc, argv));
    if (options.asks_for_pdf) {
        return carloan::run_pdf_command_line(options.pdf, argc, argv);
    }
    // Anything else is ignored, Qt's own options (-style, -reverse, ...) included.
    int program_name_only = argc > 0 ? 1 : 0;
    QApplication application(program_name_only, argv);
    std::thread session_bus = carloan::start_connecting_to_session_bus();
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("carloan"));
    carloan::prefer_japanese_font();
    carloan::install_qt_translation();
    carloan::use_field_style();
    carloan::session_state session;
    load_settings(session);
    carloan::main_window window(session);
    if (session_bus.joinable()) {
        session_bus.join();
    }
    window.exec();
    return 0;
}
