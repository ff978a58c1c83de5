// carloan --estimate-pdf / --schedule-pdf, run as a script runs it: no display, car.ini in the
// working directory, quotes named from the quote folder or by path.

#include "app/pdf_command.h"
#include "app/program_options.h"

#include "print/pdf_words.h"
#include "storage/branch_settings_file.h"
#include "storage/quote_file.h"
#include "text/cp932.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>

namespace carloan {
namespace {

std::string sjis(const char* utf8) {
    return utf8_to_cp932(utf8).value();
}

TEST(pdf_command, writes_what_was_asked_or_says_why_not) {
    QTemporaryDir folder;
    const std::filesystem::path dir(folder.path().toStdString());
    branch_settings settings{};
    write_slot(settings.branch_name, sjis("中央支店"));
    ASSERT_TRUE(store_branch_settings(settings, dir / "car.ini"));
    // 9.9 %, 36 payments, 1,000,000 yen from May 2024; then one without a rate, and one whose
    // saved bonus months do not agree with its bonus count.
    quote_record good{};
    write_slot(good.rate_text, "9.9");
    write_slot(good.payment_count_text, "36");
    write_slot(good.net_balance_text, "1,000,000");
    good.cycle_mode = 1;
    good.start_year = 2024;
    good.start_month = 5;
    quote_record incomplete = good;
    write_slot(incomplete.rate_text, "");
    quote_record unlisted = good;
    unlisted.first_bonus_year = 2024;
    unlisted.first_bonus_month = 7;
    unlisted.bonus_month_1 = 7;
    unlisted.bonus_month_2 = 7;
    write_slot(unlisted.bonus_addition_text, "10,000");
    write_slot(unlisted.bonus_count_text, "6");
    // The quote folder under XDG_DATA_HOME; the working directory holds a copy for the path row.
    const std::filesystem::path quotes = dir / "carloan" / "quotes";
    std::filesystem::create_directories(quotes);
    std::filesystem::permissions(quotes, std::filesystem::perms::owner_all);
    ASSERT_TRUE(save_quote(quotes / "good.car", good));
    ASSERT_TRUE(save_quote(quotes / "incomplete.car", incomplete));
    ASSERT_TRUE(save_quote(quotes / "unlisted.car", unlisted));
    ASSERT_TRUE(save_quote(dir / "good.car", good));
    // The same terms with a residual: its own page; then a residual the plan refuses.
    quote_extension residual{};
    residual.residual = 400000;
    ASSERT_TRUE(save_quote_with_extension(quotes / "residual.car", good, residual));
    residual.residual = 1000000;
    ASSERT_TRUE(save_quote_with_extension(quotes / "refused.car", good, residual));

    struct row {
        QStringList arguments;
        int status;
        const char* message;  // on standard error
    } rows[] = {
        {{"--estimate-pdf", "e.pdf", "--schedule-pdf", "s.pdf", "--quote", "good.car"}, 0, ""},
        {{"--estimate-pdf=p.pdf", "--quote=./good.car"}, 0, ""},
        {{"--estimate-pdf", "x.pdf", "--quote", "none.car"}, pdf_exit_failure, "cannot read"},
        {{"--estimate-pdf", "r.pdf", "--quote", "residual.car"}, 0, ""},
        {{"--estimate-pdf", "x.pdf", "--quote", "refused.car"}, pdf_exit_missing_input, "残価"},
        {{"--estimate-pdf", "x.pdf", "--quote", "incomplete.car"},
         pdf_exit_missing_input,
         "実質年率が未入力です"},
        {{"--schedule-pdf", "x.pdf", "--quote", "unlisted.car"},
         pdf_exit_no_schedule,
         "ボーナス回数は(3)回です。指定した回数(6)と異なります"},
        {{"--estimate-pdf", "missing/x.pdf", "--quote", "good.car"},
         pdf_exit_failure,
         "cannot write"},
        {{"--schedule-pdf=x.pdf", "--quote"}, pdf_exit_failure, "--quote needs a value"},
        {{"--estimate-pdf=x.pdf", "--quote=good.car", "-style"}, pdf_exit_failure, "unknown"},
        // Every output is checked before the first is written.
        {{"--estimate-pdf", "a.pdf", "--schedule-pdf", "missing/s.pdf", "--quote", "good.car"},
         pdf_exit_failure,
         "cannot write missing/s.pdf"},
        {{"--estimate-pdf", "a.pdf", "--schedule-pdf", "fifo", "--quote", "good.car"},
         pdf_exit_failure,
         "cannot write fifo"},
        {{"--estimate-pdf", "a.pdf", "--schedule-pdf", "./a.pdf", "--quote", "good.car"},
         pdf_exit_failure,
         "--estimate-pdf and --schedule-pdf name the same file"},
        {{"--estimate-pdf", "a.pdf", "--quote", "good.car", "--quote", "none.car"},
         pdf_exit_failure,
         "--quote is given more than once"},
    };
    ASSERT_EQ(::mkfifo(folder.filePath("fifo").toLocal8Bit().constData(), 0600), 0);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Without a runtime folder Qt has a note of its own, which is not the run's to show.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"}) {
        environment.remove(name);
    }
    environment.insert("XDG_DATA_HOME", folder.path());
    for (const row& r : rows) {
        SCOPED_TRACE(r.arguments.join(' ').toStdString());
        QProcess program;
        program.setWorkingDirectory(folder.path());
        program.setProcessEnvironment(environment);
        program.start(CARLOAN_PATH, r.arguments);
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitCode(), r.status);
        const std::string err = program.readAllStandardError().toStdString();
        EXPECT_TRUE(r.status == 0 ? err.empty() : err.starts_with("carloan: ")) << err;
        EXPECT_NE(err.find(r.message), std::string::npos) << err;
    }

    EXPECT_FALSE(QFile::exists(folder.filePath("x.pdf")));
    EXPECT_FALSE(QFile::exists(folder.filePath("a.pdf")));
    EXPECT_EQ(QFileInfo(folder.filePath("fifo")).isFile(), false);
    EXPECT_EQ(testing::pdf_info(folder.filePath("s.pdf"), "Pages"), "1");  // 36 payments fit one
    EXPECT_EQ(testing::pdf_info(folder.filePath("p.pdf"), "Pages"), "1");
    const auto words = testing::pdf_words(folder.filePath("e.pdf"));
    EXPECT_TRUE(std::any_of(words.begin(), words.end(),
                            [](const testing::pdf_word& w) { return w.text == "中央支店"; }));
    const auto residual_words = testing::pdf_words(folder.filePath("r.pdf"));
    for (const char* word : {"残価設定型クレジット", "最終回（残価）", "400,000円"}) {
        EXPECT_TRUE(std::any_of(residual_words.begin(), residual_words.end(),
                                [word](const testing::pdf_word& w) { return w.text == word; }))
            << word;
    }
}

// Bytes that are no text in the local encoding would name another file.
TEST(pdf_command, refuses_a_name_that_is_not_valid_text) {
    for (const char* option : {"--estimate-pdf", "--quote"}) {
        char name[] = "\xff.pdf";
        char* argv[] = {const_cast<char*>("carloan"), const_cast<char*>(option), name,
                        const_cast<char*>(option[2] == 'q' ? "--estimate-pdf" : "--quote"),
                        const_cast<char*>("q.car")};
        const auto parsed = read_program_options(program_arguments(5, argv)).pdf;
        ASSERT_TRUE(std::holds_alternative<QString>(parsed));
        EXPECT_EQ(std::get<QString>(parsed),
                  QString::fromLatin1(option) + " holds a name that is not valid UTF-8");
    }
}

// A disk that fills up halfway: the program says so and the earlier file stays as it was.
TEST(pdf_command, a_file_that_cannot_be_written_whole_keeps_the_earlier_one) {
    QTemporaryDir folder;
    const std::filesystem::path dir(folder.path().toStdString());
    quote_record quote{};
    write_slot(quote.rate_text, "9.9");
    write_slot(quote.payment_count_text, "36");
    write_slot(quote.net_balance_text, "1,000,000");
    quote.start_year = 2024;
    quote.start_month = 5;
    ASSERT_TRUE(save_quote(dir / "q.car", quote));
    QFile earlier(folder.filePath("keep.pdf"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
    earlier.close();

    for (const char* option : {"--estimate-pdf", "--schedule-pdf"}) {
        SCOPED_TRACE(option);
        QProcess program;
        program.setWorkingDirectory(folder.path());
        // Writes past 4 KiB fail as on a full disk; an ignored signal stays ignored across exec.
        program.setChildProcessModifier([] {
            const rlimit limit{4096, 4096};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            ::signal(SIGXFSZ, SIG_IGN);
        });
        program.start(CARLOAN_PATH, {option, "keep.pdf", "--quote", "./q.car"});
        ASSERT_TRUE(program.waitForFinished(30000));
        EXPECT_EQ(program.exitCode(), pdf_exit_failure);
        EXPECT_NE(program.readAllStandardError().indexOf("cannot write"), -1);
        ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
        EXPECT_EQ(earlier.readAll(), "earlier");
        earlier.close();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                  (QStringList{"keep.pdf", "q.car"}));
    }
}

}  // namespace
}  // namespace carloan
