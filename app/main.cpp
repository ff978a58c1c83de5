// The desktop program: loads the branch settings, runs the main window until the clerk ends it,
// and ends with 0. The command line is not read.

#include "app/main_window.h"
#include "storage/branch_settings_file.h"
#include "ui/session.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace {

// Every text of the program is Japanese. A Western default font would leave the kanji to
// whatever fallback font turns up first, possibly with Chinese glyph forms. One family is named,
// not a list: with a list every script's font would also look up its fallback fonts at once,
// the slowest part of showing the main window, where one family looks them up only for a
// character it lacks.
void prefer_japanese_font() {
    QFont font = QApplication::font();
    if (QFontDatabase::writingSystems(font.family()).contains(QFontDatabase::Japanese)) {
        return;
    }
    for (const QString& family : {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
                                  QStringLiteral("Yu Gothic UI"), QStringLiteral("Meiryo UI"),
                                  QStringLiteral("MS UI Gothic")}) {
        if (QFontDatabase::hasFamily(family)) {
            font.setFamily(family);
            QApplication::setFont(font);
            return;
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    // The command line is ignored, Qt's own options (-style, -reverse, ...) included.
    int program_name_only = argc > 0 ? 1 : 0;
    QApplication application(program_name_only, argv);
    prefer_japanese_font();
    carloan::session_state session;
    carloan::load_branch_settings(session.settings);
    carloan::main_window window(session);
    window.exec();
    return 0;
}
