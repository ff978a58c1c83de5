// The desktop program: loads the branch settings, runs the main window until the clerk ends it,
// and ends with 0. The command line is not read.

#include "app/main_window.h"
#include "app/session.h"
#include "storage/branch_settings_file.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    carloan::session_state session;
    carloan::load_branch_settings(session.settings);
    carloan::main_window window(session);
    window.exec();
    return 0;
}
