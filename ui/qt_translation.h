#pragma once
// Qt's own texts (the print preview, the file and printer dialogs, the standard buttons) in
// Japanese, as the rest of the program is.

#include <QString>
#include <QStringList>

namespace carloan {

// Where Qt's Japanese translation is looked for, in turn: Qt's own translations folder, then
// `translations` beside the program (where the Windows program ships it).
QStringList qt_translation_folders();

// Installs qtbase_ja from the first folder that holds it; false when none does (Qt's texts then
// stay English). Call once the QApplication exists, before any window.
bool install_qt_translation(const QStringList& folders = qt_translation_folders());

}  // namespace carloan
