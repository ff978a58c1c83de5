#include "ui/file_dialog.h"

#include "ui/dialog_placement.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include <utility>

namespace carloan {
namespace {

save_file_hook& current_hook() {
    static save_file_hook hook;
    return hook;
}

QString file_name_of(QString name) {
    for (QChar& c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c)) {
            c = QLatin1Char('_');
        }
    }
    // Windows drops trailing dots and blanks, which would turn "A." into another file than asked.
    while (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' '))) {
        name.chop(1);
    }
    return name;
}

}  // namespace

QString ask_save_file_name(QWidget* parent, const QString& caption, const QString& proposed_path,
                           const file_kind& kind) {
    if (const save_file_hook& hook = current_hook()) {
        return hook(parent, caption, proposed_path);
    }
    QFileDialog dialog(parent, caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(kind.filter);
    dialog.setDefaultSuffix(kind.suffix);
    dialog.selectFile(proposed_path);
    move_to_screen_corner(&dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void set_save_file_hook(save_file_hook hook) {
    current_hook() = std::move(hook);
}

QString proposed_file_path(const QString& name, const QString& fallback, const file_kind& kind) {
    QString file = file_name_of(name);
    if (file.isEmpty()) {
        file = fallback;
    }
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return documents.filePath(file + QLatin1Char('.') + kind.suffix);
}

}  // namespace carloan
