#pragma once
// Reads back what a PDF shows, through poppler's command-line tools, so tests check the page a
// reader sees rather than what we asked Qt to draw.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <vector>

namespace carloan::testing {

struct pdf_word {
    QString text;
    double x_min = 0;  // points from the page's left edge
    double y_min = 0;  // points from the page's top edge
    double x_max = 0;
    double y_max = 0;
};

inline QString run_tool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline std::vector<pdf_word> pdf_words(const QString& pdf) {
    const QString xhtml = run_tool(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
    static const QRegularExpression word(
        QString::fromLatin1(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" )re"
                            R"re(yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<pdf_word> words;
    for (auto it = word.globalMatch(xhtml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}

// A field of pdfinfo's report ("Pages", "Title"), or empty when the PDF cannot be read.
inline QString pdf_info(const QString& pdf, const QString& field) {
    const QString report = run_tool(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(field),
                                  QRegularExpression::MultilineOption);
    return line.match(report).captured(1).trimmed();
}

}  // namespace carloan::testing
