#include "print/estimate_page.h"

#include "text/cp932.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

namespace carloan {
namespace {

std::string blanks(int count) {
    return std::string(static_cast<std::size_t>(count), ' ');
}

std::string sjis(const std::string& utf8) {
    return utf8_to_cp932(utf8).value();
}

template <std::size_t size>
void put(char (&slot)[size], const std::string& utf8) {
    write_slot(slot, sjis(utf8));
}

// 9.9 %, 36 payments, 1,000,000 yen: the figures of the typical quote.
quote_record typical_record() {
    quote_record record{};
    put(record.rate_text, "9.9");
    record.net_balance = 1000000;
    record.loan_fee = 159900;
    record.loan_amount = 1159900;
    record.payment_count = 36;
    record.first_payment = 32900;
    record.later_payment = 32200;
    record.later_count = 35;
    put(record.customer_name, "山田");
    put(record.remark_1, "下取り車あり");
    put(record.remark_4, "以上");
    return record;
}

branch_settings typical_settings() {
    branch_settings settings{};
    put(settings.branch_name, "中央支店");
    put(settings.telephone, "03-1234-5678");
    put(settings.staff_name, "佐藤");
    put(settings.opening_line_1, "  この度は");
    put(settings.opening_line_2, "何卒");
    put(settings.note_line_1, "  尚、");
    put(settings.note_line_2, "入院");
    put(settings.note_line_3, "お申し込み");
    return settings;
}

constexpr local_time typical_time{2026, 12, 8, 16, 50, 38};

struct expected_string {
    int x;
    int y;
    std::string utf8;
};

void expect_page(const std::vector<page_string>& page, const std::vector<expected_string>& want) {
    ASSERT_EQ(page.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(page[i].x, want[i].x) << "string " << i + 1;
        EXPECT_EQ(page[i].y, want[i].y) << "string " << i + 1;
        EXPECT_EQ(page[i].text, sjis(want[i].utf8))
            << "string " << i + 1 << ": " << cp932_to_utf8(page[i].text);
    }
}

TEST(estimate_page, lays_out_every_string_with_the_rate_row) {
    quote_record record = typical_record();
    record.show_rate = 1;
    expect_page(estimate_page(record, typical_settings(), 1, typical_time),
                {
                    {3200, 640, "2026/12/ 8   16:50:38"},
                    {1700, 800, "オートローンお見積書"},
                    {200, 960, "山田 様"},
                    {2500, 1120, blanks(14) + "ゾルベクス（株）"},
                    {2700, 1280, blanks(22) + "中央支店"},
                    {3200, 1440, "TEL:03-1234-5678"},
                    {3200, 1600, "担当 佐藤"},
                    {180, 1920, "  この度は"},
                    {160, 2080, "何卒"},
                    {2200, 2240, "記"},
                    {500, 2560, "    お借入金額         "},
                    {1900, 2560, blanks(19) + "1,000,000円"},
                    {500, 2720, "    融資利率（年率）   "},
                    {1900, 2720, blanks(25) + "9.9％"},
                    {500, 2880, "    融資手数料         "},
                    {1900, 2880, blanks(21) + "159,900円"},
                    {500, 3040, "    お支払い合計額     "},
                    {1900, 3040, blanks(19) + "1,159,900円"},
                    {500, 3200, "    お支払い回数       "},
                    {1900, 3200, blanks(26) + "36回"},
                    {500, 3360, "    第1回目            "},
                    {1900, 3360, blanks(17) + "32,900円×1回"},
                    {500, 3520, "    第２回目以降       "},
                    {1900, 3520, blanks(16) + "32,200円×35回"},
                    {500, 3680, "    ボーナス月返済金額 "},
                    {1900, 3680, blanks(22) + "0円×0回"},
                    {180, 4000, "  尚、"},
                    {160, 4160, "入院"},
                    {160, 4320, "お申し込み"},
                    {500, 4480, "【備考】"},
                    {500, 4640, "下取り車あり"},
                    {500, 4800, ""},
                    {500, 4960, ""},
                    {500, 5120, "以上"},
                });
}

TEST(estimate_page, rate_row_only_when_show_rate_is_exactly_one) {
    struct row {
        std::int32_t show_rate;
        std::size_t strings;
        int fee_y;
        int last_remark_y;
    } rows[] = {
        {0, 32, 2720, 4960},
        {1, 34, 2880, 5120},
        {2, 32, 2720, 4960},
        {-1, 32, 2720, 4960},
    };
    for (const row& r : rows) {
        quote_record record = typical_record();
        record.show_rate = r.show_rate;
        const std::vector<page_string> page =
            estimate_page(record, typical_settings(), 0, typical_time);
        ASSERT_EQ(page.size(), r.strings) << "show_rate " << r.show_rate;
        const page_string& fee_label = page[r.strings == 34 ? 14 : 12];
        EXPECT_EQ(fee_label.text, sjis("    融資手数料         "));
        EXPECT_EQ(fee_label.y, r.fee_y) << "show_rate " << r.show_rate;
        EXPECT_EQ(page.back().y, r.last_remark_y) << "show_rate " << r.show_rate;
    }
}

TEST(estimate_page, bonus_label_follows_the_current_method_only) {
    struct row {
        std::int32_t method;
        const char* label;
    } rows[] = {
        {1, "    ボーナス月返済金額 "},
        {0, "    ボーナス月加算金額 "},
        {2, "    ボーナス月加算金額 "},
    };
    for (const row& r : rows) {
        quote_record record = typical_record();
        record.bonus_method = r.method == 1 ? 0 : 1;  // the record's copy is not what counts
        EXPECT_EQ(estimate_page(record, typical_settings(), r.method, typical_time)[22].text,
                  sjis(r.label))
            << "method " << r.method;
    }
}

TEST(estimate_page, value_texts_drop_blanks_and_align_right) {
    struct row {
        const char* what;
        void (*set)(quote_record&);
        std::size_t index;  // in the page with the rate row
        std::string utf8;
    } rows[] = {
        {"zero amount", [](quote_record& r) { r.loan_fee = 0; }, 15, blanks(27) + "0円"},
        {"negative amount", [](quote_record& r) { r.net_balance = -1234; }, 11,
         blanks(22) + "-1,234円"},
        {"largest amount", [](quote_record& r) { r.loan_amount = INT_MAX; }, 17,
         blanks(15) + "2,147,483,647円"},
        {"negative count", [](quote_record& r) { r.payment_count = -5; }, 19, blanks(26) + "-5回"},
        {"bonus", [](quote_record& r) { r.bonus_payment = 150000, r.bonus_count = 6; }, 25,
         blanks(16) + "150,000円×6回"},
        {"wide count", [](quote_record& r) { r.later_count = 1234; }, 23,
         blanks(14) + "32,200円×1234回"},
        {"rate 12.5", [](quote_record& r) { put(r.rate_text, "12.5"); }, 13, blanks(24) + "12.5％"},
        {"rate never grouped", [](quote_record& r) { put(r.rate_text, "1,234.5"); }, 13,
         blanks(22) + "1234.5％"},
        {"rate empty", [](quote_record& r) { put(r.rate_text, ""); }, 13, blanks(28) + "％"},
        // Longer than its 30 bytes: drawn whole rather than cut.
        {"overlong installment",
         [](quote_record& r) { r.later_payment = INT_MIN, r.later_count = INT_MIN; }, 23,
         "-2,147,483,648円×-2147483648回"},
    };
    for (const row& r : rows) {
        quote_record record = typical_record();
        record.show_rate = 1;
        r.set(record);
        const std::vector<page_string> page =
            estimate_page(record, typical_settings(), 0, typical_time);
        EXPECT_EQ(page[r.index].text, sjis(r.utf8))
            << r.what << ": " << cp932_to_utf8(page[r.index].text);
        EXPECT_EQ(page[r.index].x, 1900) << r.what;
    }
}

TEST(estimate_page, date_line_pads_with_blanks) {
    struct row {
        local_time now;
        const char* line;
    } rows[] = {
        {{1999, 4, 1, 9, 5, 7}, "1999/ 4/ 1    9: 5: 7"},
        {{2000, 1, 1, 0, 0, 0}, "2000/ 1/ 1    0: 0: 0"},
    };
    for (const row& r : rows) {
        EXPECT_EQ(estimate_page(typical_record(), typical_settings(), 0, r.now)[0].text, r.line);
    }
}

TEST(estimate_page, branch_name_ends_at_the_same_right_edge) {
    struct row {
        std::string name;  // code page 932
        std::string line;
    } rows[] = {
        {std::string(29, 'B'), " " + std::string(29, 'B')},
        {sjis("本店 営業部"), blanks(19) + sjis("本店 営業部")},  // inner blank kept
        {"", blanks(30)},
    };
    for (const row& r : rows) {
        branch_settings settings = typical_settings();
        write_slot(settings.branch_name, r.name);
        const page_string branch = estimate_page(typical_record(), settings, 0, typical_time)[4];
        EXPECT_EQ(branch.text, r.line);
        EXPECT_EQ(branch.x, 2700);
    }
}

TEST(estimate_page, empty_texts_keep_their_lines) {
    const std::vector<page_string> page =
        estimate_page(quote_record{}, branch_settings{}, 0, typical_time);
    ASSERT_EQ(page.size(), 32u);
    for (const std::size_t index : {7u, 8u, 24u, 25u, 26u, 28u, 29u, 30u, 31u}) {
        EXPECT_TRUE(page[index].text.empty()) << "string " << index + 1;
    }
    EXPECT_EQ(page[2].text, sjis(" 様"));
    EXPECT_EQ(page[5].text, "TEL:");
    EXPECT_EQ(page[27].text, sjis("【備考】"));
    EXPECT_EQ(page[27].y, 4320);
    EXPECT_EQ(page[31].y, 4960);
}

TEST(estimate_page, texts_stay_inside_slots_without_a_terminator) {
    quote_record record = typical_record();
    std::memset(record.customer_name, 'C', sizeof record.customer_name);
    std::memset(record.remark_1, 'R', sizeof record.remark_1);
    branch_settings settings = typical_settings();
    std::memset(settings.note_line_3, 'N', sizeof settings.note_line_3);
    const std::vector<page_string> page = estimate_page(record, settings, 0, typical_time);
    EXPECT_EQ(page[2].text, std::string(31, 'C') + sjis(" 様"));
    EXPECT_EQ(page[26].text, std::string(85, 'N'));
    EXPECT_EQ(page[28].text, std::string(41, 'R'));
}

}  // namespace
}  // namespace carloan
