#pragma once
// The one place that asks for the name of a file to write, so that tests can answer instead of
// Qt's save dialog.

#include <QString>

#include <functional>

class QWidget;

namespace carloan {

// What a file is written as: Qt's filter ("PDF (*.pdf)") and the suffix added to a typed name
// that lacks one ("pdf").
struct file_kind {
    QString filter;
    QString suffix;
};

inline const file_kind pdf_file{QStringLiteral("PDF (*.pdf)"), QStringLiteral("pdf")};
inline const file_kind csv_file{QStringLiteral("CSV (*.csv)"), QStringLiteral("csv")};

// Qt's save dialog over `parent`, proposing `proposed_path`; asks before replacing a file. Gives
// the chosen path, or an empty text when the clerk cancelled.
QString ask_save_file_name(QWidget* parent, const QString& caption, const QString& proposed_path,
                           const file_kind& kind);

using save_file_hook =
    std::function<QString(QWidget* parent, const QString& caption, const QString& proposed_path)>;

// Replaces the dialog (tests); an empty hook restores it.
void set_save_file_hook(save_file_hook hook);

// `name` and the kind's suffix in the user's documents folder, with every character that a file
// name cannot hold on Linux or Windows replaced by "_"; `fallback` when `name` is empty.
QString proposed_file_path(const QString& name, const QString& fallback, const file_kind& kind);

}  // namespace carloan
