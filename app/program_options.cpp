#include "app/program_options.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace carloan {
namespace {

struct pdf_option {
    const char* name;
    QString pdf_command::*value;
};

constexpr pdf_option pdf_options[] = {
    {"estimate-pdf", &pdf_command::estimate_pdf},
    {"schedule-pdf", &pdf_command::schedule_pdf},
    {"quote", &pdf_command::quote},
};

bool is_pdf_option(const QString& argument) {
    return std::any_of(std::begin(pdf_options), std::end(pdf_options), [&](const pdf_option& o) {
        return argument.section(QLatin1Char('='), 0, 0) ==
               QLatin1String("--") + QLatin1String(o.name);
    });
}

// The parser tells unknown names only, split into letters for a single dash: the message names
// the argument as it was typed.
QString unknown_argument(const QCommandLineParser& parser, const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1Char('-')) && !is_pdf_option(argument)) {
            return argument;
        }
    }
    return parser.positionalArguments().value(0);
}

// Two names of one file, also through a link once the file is there.
bool same_file(const QString& first, const QString& second) {
    const QFileInfo a(first);
    const QFileInfo b(second);
    if (QDir::cleanPath(a.absoluteFilePath()) == QDir::cleanPath(b.absoluteFilePath())) {
        return true;
    }
    return a.exists() && b.exists() && a.canonicalFilePath() == b.canonicalFilePath();
}

std::variant<pdf_command, QString> pdf_command_of(const QCommandLineParser& parser,
                                                  const QStringList& arguments) {
    if (!parser.unknownOptionNames().isEmpty() || !parser.positionalArguments().isEmpty()) {
        return QStringLiteral("unknown option ") + unknown_argument(parser, arguments);
    }
    pdf_command command;
    for (const QString& name : parser.optionNames()) {
        const auto found =
            std::find_if(std::begin(pdf_options), std::end(pdf_options),
                         [&](const pdf_option& o) { return name == QLatin1String(o.name); });
        if (found == std::end(pdf_options)) {
            continue;
        }
        // A missing value and an empty one read alike: neither names a file.
        command.*found->value = parser.value(name);
        if ((command.*found->value).isEmpty()) {
            return QStringLiteral("--") + name + QStringLiteral(" needs a value");
        }
        // Else the last one would quietly win.
        if (parser.values(name).size() > 1) {
            return QStringLiteral("--") + name + QStringLiteral(" is given more than once");
        }
        // Bytes the local encoding cannot read come as U+FFFD: the file would get another name.
        if ((command.*found->value).contains(QChar::ReplacementCharacter)) {
            return QStringLiteral("--") + name +
                   QStringLiteral(" holds a name that is not valid UTF-8");
        }
    }
    if (!command.estimate_pdf.isEmpty() && !command.schedule_pdf.isEmpty() &&
        same_file(command.estimate_pdf, command.schedule_pdf)) {
        return QStringLiteral("--estimate-pdf and --schedule-pdf name the same file");
    }
    if (command.quote.isEmpty()) {
        return QStringLiteral("--quote NAME.car is needed");
    }
    if (command.estimate_pdf.isEmpty() && command.schedule_pdf.isEmpty()) {
        return QStringLiteral("--estimate-pdf FILE or --schedule-pdf FILE is needed");
    }
    return command;
}

}  // namespace

QStringList program_arguments(int argc, char* const argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

program_options read_program_options(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption({QStringLiteral("help"), {}});
    parser.addOption({QStringLiteral("version"), {}});
    for (const pdf_option& option : pdf_options) {
        parser.addOption({QString::fromLatin1(option.name), {}, QStringLiteral("value")});
    }
    // The first element is taken for the program name. A failed parse still tells what it found.
    parser.parse(QStringList{QStringLiteral("carloan")} + arguments);

    program_options options;
    for (const QString& name : parser.optionNames()) {
        if (name == QLatin1String("help") || name == QLatin1String("version")) {
            options.information = name == QLatin1String("help") ? information_request::help
                                                                : information_request::version;
            break;
        }
    }
    options.asks_for_pdf =
        std::any_of(std::begin(pdf_options), std::end(pdf_options),
                    [&](const pdf_option& o) { return parser.isSet(QString::fromLatin1(o.name)); });
    if (options.asks_for_pdf) {
        options.pdf = pdf_command_of(parser, arguments);
    }
    return options;
}

}  // namespace carloan
