// carloan --estimate-pdf / --schedule-pdf: the options, the quote they name, what they write and
// what they say when they cannot.

#include "app/pdf_command.h"

#include "print/pdf_words.h"
#include "storage/branch_settings_file.h"
#include "storage/quote_file.h"
#include "storage/quote_folder.h"
#include "text/cp932.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <sstream>
#include <variant>

namespace carloan {
namespace {

using testing::pdf_info;

constexpr local_time print_day{2024, 4, 26, 10, 0, 0};

std::string sjis(const char* utf8) {
    return utf8_to_cp932(utf8).value();
}

// 9.9 %, 36 payments, 1,000,000 yen, from May 2024, saved by 山田.
quote_record saved_quote() {
    quote_record r{};
    write_slot(r.rate_text, "9.9");
    write_slot(r.payment_count_text, "36");
    write_slot(r.net_balance_text, "1,000,000");
    write_slot(r.customer_name, sjis("山田"));
    r.cycle_mode = 1;
    r.start_year = 2024;
    r.start_month = 5;
    return r;
}

TEST(pdf_command, reads_its_three_options_and_nothing_else) {
    struct row {
        QStringList arguments;
        bool asks;
        QString estimate;  // the parsed command, or
        QString schedule;
        QString problem;  // the start of why it cannot be used
    } rows[] = {
        {{"--estimate-pdf", "e.pdf", "--quote", "A.car"}, true, "e.pdf", "", ""},
        {{"--schedule-pdf=s.pdf", "--quote=A.car", "--estimate-pdf=e.pdf"},
         true,
         "e.pdf",
         "s.pdf",
         ""},
        {{"--quote", "A.car"}, true, "", "", "--estimate-pdf FILE or"},
        {{"--estimate-pdf", "e.pdf"}, true, "", "", "--quote NAME.car"},
        {{"--quote", "A.car", "--schedule-pdf"}, true, "", "", "--schedule-pdf needs"},
        {{"--quote", "A.car", "--estimate-pdf", "e.pdf", "-style"}, true, "", "", "unknown"},
        {{"-style", "fusion"}, false, "", "", "unknown"},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.arguments.join(' ').toStdString());
        EXPECT_EQ(asks_for_pdf(r.arguments), r.asks);
        const auto parsed = parse_pdf_command(r.arguments);
        if (r.problem.isEmpty()) {
            ASSERT_TRUE(std::holds_alternative<pdf_command>(parsed));
            EXPECT_EQ(std::get<pdf_command>(parsed).estimate_pdf, r.estimate);
            EXPECT_EQ(std::get<pdf_command>(parsed).schedule_pdf, r.schedule);
            EXPECT_EQ(std::get<pdf_command>(parsed).quote, "A.car");
        } else {
            ASSERT_TRUE(std::holds_alternative<QString>(parsed));
            EXPECT_TRUE(std::get<QString>(parsed).startsWith(r.problem))
                << std::get<QString>(parsed).toStdString();
        }
    }
}

TEST(pdf_command, takes_a_bare_name_from_the_quote_folder_and_anything_else_as_a_path) {
    const std::filesystem::path folder = "/quotes";
    EXPECT_EQ(quote_argument_path("ABC.car", folder), quote_file_path(folder, "ABC.car"));
    EXPECT_EQ(quote_argument_path("山田.car", folder), quote_file_path(folder, sjis("山田.car")));
    EXPECT_EQ(quote_argument_path("./ABC.car", folder), std::filesystem::path("./ABC.car"));
    EXPECT_EQ(quote_argument_path("/tmp/ABC.car", folder), std::filesystem::path("/tmp/ABC.car"));
}

TEST(pdf_command, writes_what_was_asked_or_says_why_not) {
    QTemporaryDir folder;
    const std::filesystem::path quotes(folder.path().toStdString());
    quote_record incomplete = saved_quote();
    write_slot(incomplete.rate_text, "");
    quote_record unlisted = saved_quote();
    unlisted.bonus_month_1 = 7;
    write_slot(unlisted.bonus_addition_text, "10,000");
    write_slot(unlisted.bonus_count_text, "6");
    ASSERT_TRUE(save_quote(quotes / "good.car", saved_quote()));
    ASSERT_TRUE(save_quote(quotes / "incomplete.car", incomplete));
    ASSERT_TRUE(save_quote(quotes / "unlisted.car", unlisted));

    const QString estimate = folder.filePath("estimate.pdf");
    const QString schedule = folder.filePath("schedule.pdf");
    struct row {
        const char* what;
        pdf_command command;
        int status;
        const char* message;  // standard error
    } rows[] = {
        {"both", {estimate, schedule, "good.car"}, 0, ""},
        {"no such quote", {estimate, "", "none.car"}, pdf_exit_failure, "cannot read"},
        {"incomplete quote",
         {estimate, "", "incomplete.car"},
         pdf_exit_missing_input,
         "実質年率が未入力です"},
        {"schedule not listed",
         {"", schedule, "unlisted.car"},
         pdf_exit_no_schedule,
         "ボーナス回数は(3)回です。指定した回数(6)と異なります"},
        {"unwritable file",
         {folder.filePath("missing/e.pdf"), "", "good.car"},
         pdf_exit_failure,
         "cannot write"},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        QFile::remove(estimate);
        QFile::remove(schedule);
        std::ostringstream err;
        EXPECT_EQ(run_pdf_command(r.command, branch_settings{}, quotes, print_day, err), r.status);
        EXPECT_NE(err.str().find(r.message), std::string::npos) << err.str();
        EXPECT_EQ(QFile::exists(estimate), r.status == 0 && !r.command.estimate_pdf.isEmpty());
        EXPECT_EQ(QFile::exists(schedule), r.status == 0 && !r.command.schedule_pdf.isEmpty());
    }
}

// The program itself, with no display, reading car.ini from its working directory.
TEST(pdf_command, runs_without_a_display) {
    QTemporaryDir folder;
    const std::filesystem::path dir(folder.path().toStdString());
    branch_settings settings{};
    write_slot(settings.branch_name, sjis("中央支店"));
    ASSERT_TRUE(store_branch_settings(settings, dir / "car.ini"));
    ASSERT_TRUE(save_quote(dir / "good.car", saved_quote()));

    struct row {
        QStringList arguments;
        int status;
    } rows[] = {
        {{"--estimate-pdf", "out.pdf", "--quote", "./good.car"}, 0},
        {{"--estimate-pdf", "out.pdf"}, pdf_exit_failure},
    };
    for (const row& r : rows) {
        QProcess program;
        program.setWorkingDirectory(folder.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(name);
        }
        program.setProcessEnvironment(environment);
        program.start(CARLOAN_PATH, r.arguments);
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitCode(), r.status) << program.readAllStandardError().toStdString();
        if (r.status == 0) {
            bool branch = false;
            for (const testing::pdf_word& word : testing::pdf_words(folder.filePath("out.pdf"))) {
                branch = branch || word.text == "中央支店";
            }
            EXPECT_TRUE(branch) << "the branch settings of the working directory";
        } else {
            EXPECT_TRUE(program.readAllStandardError().startsWith("carloan: "));
        }
    }
}

}  // namespace
}  // namespace carloan
