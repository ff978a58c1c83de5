#pragma once
// The desktop program's own options, read with QCommandLineParser: --help, --version and the PDF
// options for scripts (app/pdf_command.h). It does not read Qt's own options (-style, -reverse,
// ...): a window start ignores them and everything else it does not know.

#include <QString>
#include <QStringList>

#include <variant>

namespace carloan {

struct pdf_command {
    QString estimate_pdf;  // empty when not asked for
    QString schedule_pdf;
    QString quote;
};

enum class information_request { none, help, version };

struct program_options {
    // The first of --help and --version; it is answered whatever else the line holds.
    information_request information = information_request::none;
    bool asks_for_pdf = false;  // any of --estimate-pdf, --schedule-pdf, --quote
    // The PDF command, or why the arguments cannot be used for one.
    std::variant<pdf_command, QString> pdf;
};

// main's arguments after the program name, in the local encoding.
QStringList program_arguments(int argc, char* const argv[]);

// `arguments` excludes the program name.
program_options read_program_options(const QStringList& arguments);

}  // namespace carloan
