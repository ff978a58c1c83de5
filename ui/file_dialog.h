#pragma once
// The one way the program saves a file the clerk names (a page as PDF, a schedule as CSV): it
// proposes a name in a folder that exists, asks with Qt's save dialog (or a test's answer),
// writes, and says why when the file could not be written.

#include <QString>

#include <functional>

class QWidget;

namespace carloan {

// What a file is saved as: Qt's filter ("PDF (*.pdf)"), the suffix added to a typed name that
// lacks one ("pdf"), the save dialog's title and the message when the file could not be written.
struct file_kind {
    QString filter;
    QString suffix;
    QString caption;
    QString failure;
};

inline const file_kind pdf_file{QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf"),
                                QStringLiteral("PDF保存"),
                                QStringLiteral("PDFの保存に失敗しました")};
inline const file_kind csv_file{QStringLiteral("CSV (*.csv)"), QStringLiteral("csv"),
                                QStringLiteral("CSV保存"),
                                QStringLiteral("CSVの保存に失敗しました")};

// Writes the file at `path`; false when it could not be written.
using file_writer = std::function<bool(const QString& path)>;

// Asks where to save `name` (`fallback` when `name` is empty) as `kind`, proposing it in
// proposal_folder(), and writes it there with `write`. A failure is shown over `parent` with the
// folder and the reason. True once written; false when cancelled or failed.
bool save_file(QWidget* parent, const file_kind& kind, const QString& name, const QString& fallback,
               const file_writer& write);

// The folder saves are proposed in: the desktop's documents folder, made when it is missing;
// the home folder when it cannot be made.
QString proposal_folder();

// `name` and the kind's suffix in proposal_folder(), with every character that a file name
// cannot hold on Linux or Windows replaced by "_"; `fallback` when `name` is empty.
QString proposed_file_path(const QString& name, const QString& fallback, const file_kind& kind);

// Why a write of `path` failed, as the clerk can act on it: the folder is missing or closed to
// us, a folder or device holds the name, or the disk refused the bytes.
QString write_failure_reason(const QString& path);

// `failure` ("PDFの保存に失敗しました"), then the folder of `path` and the reason, a line each.
QString save_failure_message(const QString& failure, const QString& path);

using save_file_hook =
    std::function<QString(QWidget* parent, const QString& caption, const QString& proposed_path)>;

// Replaces Qt's save dialog (tests): the hook gets the proposed path and gives the chosen one, or
// an empty text to cancel. An empty hook restores the dialog.
void set_save_file_hook(save_file_hook hook);

}  // namespace carloan
