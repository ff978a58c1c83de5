// The desktop program: loads the branch settings, runs the main window until the clerk ends it,
// and ends with 0. Of the command line only --help, --version and the PDF options for scripts
// (app/pdf_command.h) are read.

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/pdf_command.h"
#include "app/program_options.h"
#include "app/session_start.h"
#include "app/start_up_work.h"
#include "storage/earlier_quotes_notice.h"
#include "ui/field_style.h"
#include "ui/japanese_font.h"
#include "ui/qt_translation.h"
#include "ui/session.h"

#include <QApplication>
#include <QTimer>

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <vector>

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
    const std::vector<std::filesystem::path> quotes_left = carloan::start_session(session);
    carloan::main_window window(session);
    if (session_bus.joinable()) {
        session_bus.join();
    }
    // Over the window, once it shows.
    QTimer::singleShot(0, &window, [&] { carloan::tell_quotes_left(&window, quotes_left); });
    window.exec();
    return 0;
}
