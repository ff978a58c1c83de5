#include "print/print_estimate.h"

#include "gui_support.h"
#include "pdf_words.h"
#include "print/page_drawing.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/session.h"

#include <gtest/gtest.h>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryDir>

#include <memory>

namespace carloan {
namespace {

using testing::message_recorder;
using testing::pdf_info;
using testing::pdf_word;
using testing::pdf_words;

constexpr local_time fixed_time{1999, 4, 1, 9, 5, 7};

template <std::size_t size>
void put(char (&slot)[size], const char* utf8) {
    write_slot(slot, utf8_to_cp932(utf8).value());
}

session_state typical_session() {
    session_state session;
    quote_record& record = session.record;
    put(record.rate_text, "12.5");
    record.net_balance = 1000000;
    record.loan_fee = 159900;
    record.loan_amount = 1159900;
    record.payment_count = 36;
    record.first_payment = 32900;
    record.later_payment = 32200;
    record.later_count = 35;
    record.bonus_payment = -1234;
    record.bonus_count = 6;
    record.show_rate = 1;
    put(record.customer_name, "山田太郎");
    put(record.remark_1, "下取り車あり");
    put(record.remark_3, "納車は来月末");
    branch_settings& settings = session.settings;
    put(settings.branch_name, "中央支店");
    put(settings.telephone, "03-1234-5678");
    put(settings.staff_name, "佐藤");
    put(settings.opening_line_1,
        "  この度、ご照会いただきましたオートローンにつき、下記の通りお見積申し上げます。");
    put(settings.opening_line_2, "何卒ご用命下さいます様、宜しくお願い申し上げます。");
    put(settings.note_line_1,
        "  尚、お支払期間中に万一病気、けが等でご入院された場合、入院日数に応じて");
    put(settings.note_line_2, "入院給付金をお支払いする「ミルサーラ」をお勧めしています。");
    put(settings.note_line_3,
        "お申し込み頂いた場合、月々のお支払額に、３００円を加えて引き落としさせて頂きます。");
    return session;
}

// Restores the real platform after each test.
class print_estimate_test : public ::testing::Test {
  protected:
    void TearDown() override { set_print_platform(system_print_platform()); }

    static print_platform platform_with(QString printer_name,
                                        decltype(print_platform::open_printer) open = {}) {
        print_platform platform = system_print_platform();
        platform.local_clock = [] { return fixed_time; };
        platform.default_printer_name = [printer_name] { return printer_name; };
        if (open) {
            platform.open_printer = std::move(open);
        }
        return platform;
    }

    static std::unique_ptr<QPrinter> pdf_printer(const QString& path) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        return printer;
    }

    QTemporaryDir folder;
};

TEST_F(print_estimate_test, failures_show_their_message_and_print_nothing) {
    struct row {
        const char* what;
        QString printer;
        bool unwritable_output;
        QString caption;
        QString text;
    } rows[] = {
        {"no default printer", QString(), false, "Tavri", "プリンタ名の取得に失敗しました"},
        {"unknown printer", "carloan-no-such-printer", false, "Tavri",
         "プリンタの初期化に失敗しました"},
        {"document refused", "pdf", true, "Tavri", "StartDocに失敗しました"},
    };
    for (const row& r : rows) {
        decltype(print_platform::open_printer) open;
        if (r.unwritable_output) {
            open = [this](const QString&) {
                return pdf_printer(folder.filePath("missing/folder/estimate.pdf"));
            };
        }
        set_print_platform(platform_with(r.printer, open));
        message_recorder recorder;
        QWidget owner;
        EXPECT_FALSE(print_estimate(&owner, typical_session())) << r.what;
        ASSERT_EQ(recorder.messages.size(), 1u) << r.what;
        EXPECT_EQ(recorder.messages[0].caption, r.caption) << r.what;
        EXPECT_EQ(recorder.messages[0].text, r.text) << r.what;
    }
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(print_estimate_test, prints_one_named_page_on_the_default_printer) {
    const QString path = folder.filePath("estimate.pdf");
    QString asked_for;
    set_print_platform(platform_with("office", [&](const QString& name) {
        asked_for = name;
        return pdf_printer(path);
    }));
    EXPECT_TRUE(print_estimate(nullptr, typical_session()));

    EXPECT_EQ(asked_for, "office");
    EXPECT_EQ(pdf_info(path, "Pages"), "1");
    EXPECT_EQ(pdf_info(path, "Title"), "オートローンお見積書");
    bool dated = false;
    for (const pdf_word& word : pdf_words(path)) {
        dated = dated || word.text == "1999/";
    }
    EXPECT_TRUE(dated) << "the platform's clock gives the date line";
}

void render_to_pdf(const std::vector<page_string>& page, const QString& path, int resolution) {
    QPdfWriter writer(path);
    writer.setResolution(resolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    draw_page(painter, page);
}

TEST(draw_page, puts_every_string_at_its_dots_on_any_resolution) {
    const session_state session = typical_session();
    const std::vector<page_string> page =
        estimate_page(session.record, session.settings, 1, fixed_time);
    QTemporaryDir folder;
    for (const int resolution : {600, 1200, 300}) {
        SCOPED_TRACE(resolution);
        const QString path = folder.filePath(QStringLiteral("page-%1.pdf").arg(resolution));
        render_to_pdf(page, path, resolution);
        const std::vector<pdf_word> words = pdf_words(path);
        ASSERT_FALSE(words.empty()) << "pdftotext read nothing";
        testing::expect_drawn_at(words, 0, page);
    }
}

// The file a clerk sends: one A4 page, text in an embedded face, every string where the printed
// page puts it.
TEST(write_estimate_pdf, writes_the_printed_page_as_selectable_text) {
    const session_state session = typical_session();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("山田太郎.pdf"));
    ASSERT_TRUE(write_estimate_pdf(path, session, fixed_time));

    EXPECT_EQ(pdf_info(path, "Pages"), "1");
    EXPECT_TRUE(pdf_info(path, "Page size").endsWith("(A4)"))
        << pdf_info(path, "Page size").toStdString();
    EXPECT_EQ(pdf_info(path, "Title"), "オートローンお見積書");
    const QStringList fonts =
        testing::run_tool(QStringLiteral("pdffonts"), {path}).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(fonts.size(), 3) << "one face after the two heading lines";
    EXPECT_TRUE(fonts[2].contains(QStringLiteral(" yes ")))
        << "embedded: " << fonts[2].toStdString();
    testing::expect_drawn_at(
        pdf_words(path), 0,
        estimate_page(session.record, session.settings, session.flags.bonus_method, fixed_time));
}

TEST(write_estimate_pdf, a_failed_write_leaves_what_was_there) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken"));
    struct row {
        const char* what;
        QString path;
    } rows[] = {
        {"missing folder", folder.filePath("missing/estimate.pdf")},
        {"a folder in the way", folder.filePath("taken")},
    };
    for (const row& r : rows) {
        EXPECT_FALSE(write_estimate_pdf(r.path, typical_session(), fixed_time)) << r.what;
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"taken"});
    EXPECT_TRUE(QDir(folder.filePath("taken")).isEmpty());
}

}  // namespace
}  // namespace carloan
