#include "ui/file_dialog.h"

#include "storage/user_folders.h"
#include "ui/dialog_placement.h"
#include "ui/message_box.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QScreen>
#include <QStandardPaths>

#include <filesystem>
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

// Qt's own size cuts the columns of the file list.
void size_to_read(QFileDialog& dialog) {
    QSize size = dialog.sizeHint().expandedTo(QSize(900, 560));
    if (const QScreen* screen = dialog.screen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    }
    dialog.resize(size);
}

// Qt's save dialog, browsing the folder its name field holds.
QString ask_save_file_name(QWidget* parent, const QString& proposed_path, const file_kind& kind) {
    if (const save_file_hook& hook = current_hook()) {
        return hook(parent, kind.caption, proposed_path);
    }
    QFileDialog dialog(parent, kind.caption);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(kind.filter);
    dialog.setDefaultSuffix(kind.suffix);
    const QFileInfo proposed(proposed_path);
    dialog.setDirectory(proposed.absolutePath());
    dialog.selectFile(proposed.fileName());
    size_to_read(dialog);
    move_to_screen_corner(&dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

bool save_file(QWidget* parent, const file_kind& kind, const QString& name, const QString& fallback,
               const file_writer& write) {
    const QString path = ask_save_file_name(parent, proposed_file_path(name, fallback, kind), kind);
    if (path.isEmpty()) {
        return false;
    }
    if (write(path)) {
        return true;
    }
    show_message(parent, message_caption, save_failure_message(kind.failure, path));
    return false;
}

QString save_failure_message(const QString& failure, const QString& path) {
    return failure + QStringLiteral("\n保存先：") +
           QDir::toNativeSeparators(QFileInfo(path).absolutePath()) + QStringLiteral("\n理由：") +
           write_failure_reason(path);
}

QString proposal_folder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() &&
        make_private_folder(std::filesystem::path(QDir::cleanPath(documents).toStdU16String()))) {
        return documents;
    }
    return QDir::homePath();
}

QString proposed_file_path(const QString& name, const QString& fallback, const file_kind& kind) {
    QString file = file_name_of(name);
    if (file.isEmpty()) {
        file = fallback;
    }
    return QDir(proposal_folder()).filePath(file + QLatin1Char('.') + kind.suffix);
}

QString write_failure_reason(const QString& path) {
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir()) {
        return QStringLiteral("フォルダがありません");
    }
    if (!folder.isWritable()) {
        return QStringLiteral("フォルダに書き込む権限がありません");
    }
    if (file.exists() && !file.isFile()) {
        return QStringLiteral("同じ名前のフォルダか特殊なファイルがあります");
    }
    return QStringLiteral("書き込めませんでした（ディスクの空き容量を確かめてください）");
}

void set_save_file_hook(save_file_hook hook) {
    current_hook() = std::move(hook);
}

}  // namespace carloan
