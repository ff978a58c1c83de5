#pragma once
// Reads back what a PDF shows, through poppler's command-line tools, so tests check the page a
// reader sees rather than what we asked Qt to draw.

#include "print/page_strings.h"
#include "text/qt_text.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cmath>
#include <string>
#include <vector>

namespace carloan::testing {

struct pdf_word {
    QString text;
    double x_min = 0;  // points from the page's left edge
    double y_min = 0;  // points from the page's top edge
    double x_max = 0;
    double y_max = 0;
    int page = 0;  // from 0
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
    static const QRegularExpression item(
        QString::fromLatin1(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" )re"
                            R"re(yMax="([\d.]+)">([^<]*)</word>)re"));
    std::vector<pdf_word> words;
    int page = -1;
    for (auto it = item.globalMatch(xhtml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(5).isNull()) {
            ++page;
            continue;
        }
        words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble(), page});
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

// Every string's first word starts where its position and leading blanks put it, and its last
// word ends where its byte count puts it: a byte is half a 108-dot character wide, so this also
// checks that the right edges of aligned texts line up. Positions are taken from the PDF page's
// corner. Poppler reports them within a hundredth of a point; 0.25 point (2 dots) is far below
// the 6.48 points of one blank, so a misplaced or mis-padded string cannot pass.
inline void expect_drawn_at(const std::vector<pdf_word>& words, int page_index,
                            const std::vector<page_string>& page) {
    constexpr double tolerance = 0.25;
    constexpr double points_per_dot = 72.0 / page_dots_per_inch;
    for (const page_string& string : page) {
        const std::string& text = string.text;
        const std::size_t first = text.find_first_not_of(' ');
        if (first == std::string::npos) {
            continue;
        }
        const std::size_t last = text.find_last_not_of(' ') + 1;
        const QString line = from_cp932(text).simplified();
        const QStringList tokens = line.split(' ');
        const double top = string.y * points_per_dot;
        const double left = (string.x + half_width_dots * double(first)) * points_per_dot;
        const double right = (string.x + half_width_dots * double(last)) * points_per_dot;

        bool starts = false;
        bool ends = false;
        for (const pdf_word& word : words) {
            if (word.page != page_index || std::abs(word.y_min - top) > tolerance) {
                continue;
            }
            starts =
                starts || (word.text == tokens.front() && std::abs(word.x_min - left) <= tolerance);
            ends =
                ends || (word.text == tokens.back() && std::abs(word.x_max - right) <= tolerance);
        }
        EXPECT_TRUE(starts) << "page " << page_index + 1 << ", start of " << line.toStdString();
        EXPECT_TRUE(ends) << "page " << page_index + 1 << ", end of " << line.toStdString();
    }
}

}  // namespace carloan::testing
