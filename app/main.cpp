// The desktop program: loads the branch settings, runs the main window until the clerk ends it,
// and ends with 0. The command line is not read.

#include "app/main_window.h"
#include "storage/branch_settings_file.h"
#include "storage/user_folders.h"
#include "ui/session.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace {

// Every text of the program is Japanese. A Western default font would leave the kanji to
// whatever fallback font turns up first, possibly with Chinese glyph forms, and searching for
// that fallback script by script is also the slowest part of showing the main window.
void prefer_japanese_font() {
    QFont font = QApplication::font();
    if (QFontDatabase::writingSystems(font.family()).contains(QFontDatabase::Japanese)) {
        return;
    }
    font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("Yu Gothic UI"), QStringLiteral("Meiryo UI"),
                      QStringLiteral("MS UI Gothic"), font.family()});
    QApplication::setFont(font);
}

// The settings are stored back where they were read from, or in the user's configuration folder
// when there were none.
void load_settings(carloan::session_state& session) {
    session.settings_path = carloan::branch_settings_location();
    carloan::load_branch_settings(session.settings, session.settings_path);
}

}  // namespace

int main(int argc, char* argv[]) {
    // The command line is ignored, Qt's own options (-style, -reverse, ...) included.
    int program_name_only = argc > 0 ? 1 : 0;
    QApplication application(program_name_only, argv);
    prefer_japanese_font();
    carloan::session_state session;
    load_settings(session);
    carloan::main_window window(session);
    window.exec();
    return 0;
}
