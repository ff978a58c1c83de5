#include "calc/amount_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace carloan {
namespace {

std::string blanks(int count) {
    return std::string(static_cast<std::size_t>(count), ' ');
}

TEST(leading_integer, reads_like_a_32_bit_atol) {
    struct row {
        const char* text;
        std::int32_t expected;
    } rows[] = {
        {"", 0},
        {"abc", 0},
        {"  42x", 42},
        {"\t-17", -17},
        {"+8", 8},
        {"- 8", 0},
        {"12,345", 12},
        {"2147483647", 2147483647},
        {"2147483648", 2147483647},
        {"99999999999999999999", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"-2147483649", -2147483647 - 1},
        {"-99999999999999999999", -2147483647 - 1},
        {"０１２", 0},  // full-width digits are not digits
    };
    for (const row& r : rows) {
        EXPECT_EQ(leading_integer(r.text), r.expected) << '"' << r.text << '"';
    }
}

TEST(decimal_reading, keeps_digits_and_the_last_point) {
    struct row {
        const char* text;
        double expected;
    } rows[] = {
        {"9.9", 9.9},
        {"9.90", 9.9},
        {".5", 0.5},
        {"15", 15},
        {"1.2.3", 12.3},
        {"-5", 5},
        {"12.345", 12.345},
        {"7.1234", 7.1234},
        {"abc", 0},
        {"", 0},
        {"9.90000", 9.9},
        {"9.900000000", 9.9},
        {"12.345678901", 12.3456},
        {"12.5％", 12.5},
    };
    for (const row& r : rows) {
        EXPECT_EQ(decimal_reading(r.text), r.expected) << '"' << r.text << '"';
    }
}

TEST(number_characters, drops_everything_else) {
    EXPECT_EQ(number_characters(" 1,234,567円"), "1234567");
    EXPECT_EQ(number_characters("+-.x9"), "+-.9");
}

TEST(amount_text, groups_and_pads_to_the_width) {
    struct row {
        std::string text;
        int width;
        std::string expected;
    } rows[] = {
        {"159900", 14, blanks(7) + "159,900"},
        {"-1234567", 14, blanks(4) + "-1,234,567"},
        {"       159,900", 14, blanks(7) + "159,900"},
        {"35", 5, blanks(3) + "35"},
        {"-1", 5, blanks(3) + "-1"},
        {"0", 8, blanks(7) + "0"},
        {"1234.5", 14, blanks(7) + "123,4.5"},
        {"+1234", 14, blanks(8) + "+1,234"},
        {"-0", 14, blanks(12) + "-0"},
        {"2147483647", 14, " 2,147,483,647"},
        {"-2147483648", 14, "-2,147,483,648"},
        {"1000000", 8, "1,000,000"},  // wider than its width: given whole, never cut
        {"1234567890123", 14, "1234,567,890,123"},
        {"-1234567890123", 14, "-1234,567,890,123"},
        {"abc", 14, blanks(14)},
        {"", 5, blanks(5)},
    };
    for (const row& r : rows) {
        EXPECT_EQ(amount_text(r.text, r.width), r.expected) << '"' << r.text << '"';
    }
    EXPECT_EQ(amount_text(-2147483647 - 1, amount_width), "-2,147,483,648");
}

TEST(amount_text, never_exceeds_its_capacity) {
    const std::string long_digits(60, '7');
    const std::string grouped = amount_text(long_digits, amount_width);
    EXPECT_LE(grouped.size(), amount_text_capacity);
    EXPECT_EQ(amount_text(std::string(80, '1'), amount_width), "");
    EXPECT_EQ(amount_text("-" + std::string(61, '1'), 14), "");
    EXPECT_EQ(amount_text("12", 81), blanks(79) + "12");
    EXPECT_EQ(amount_text("12", 200), "");
}

// The figures are formatted from their values; they must read exactly as their "%d" texts do.
TEST(amount_text, of_a_value_is_that_of_its_decimal_text) {
    std::vector<std::int64_t> values{0,
                                     -1,
                                     999,
                                     1000,
                                     -1000,
                                     999999,
                                     1000000,
                                     2147483647,
                                     -2147483647 - 1,
                                     4294967294,
                                     -4294967296,
                                     999999999999,
                                     1000000000000,
                                     std::numeric_limits<std::int64_t>::max(),
                                     std::numeric_limits<std::int64_t>::min()};
    std::mt19937_64 random(7);
    for (int i = 0; i < 2000; ++i) {
        values.push_back(static_cast<std::int64_t>(random()) >> (random() % 64));
    }
    for (const std::int64_t value : values) {
        for (const int width : {0, count_width, comparison_width, amount_width, 70, 81, 200}) {
            const std::string expected = amount_text(std::to_string(value), width);
            std::string appended = "x";
            append_amount_text(appended, value, width);
            ASSERT_EQ(appended, "x" + expected) << value << " at width " << width;
            if (value == static_cast<std::int32_t>(value)) {
                ASSERT_EQ(amount_text(static_cast<std::int32_t>(value), width), expected);
            }
        }
    }
}

TEST(number_value, is_the_leading_integer_of_the_number_characters) {
    for (const char* text : {"", "abc", " 1,234,567円", "1 2 3", "+-5", "-+5", "-", "..5", "1.5",
                             "12-34", "x-7", "99999999999", "-99999999999", "-2147483648"}) {
        EXPECT_EQ(number_value(text), leading_integer(number_characters(text)))
            << '"' << text << '"';
    }
}

TEST(right_alignment, removes_every_blank_then_pads) {
    // 円 as code page 932 bytes, two of them.
    EXPECT_EQ(right_alignment("   1,234,567 \x89\x7E", 30), blanks(19) + "1,234,567\x89\x7E");
    EXPECT_EQ(right_alignment("a b", 3), " ab");
    EXPECT_EQ(right_alignment("a b", 3).size(), 3u);
    EXPECT_EQ(right_alignment("abc", 3), "abc");
    EXPECT_EQ(right_alignment(std::string(40, 'x'), 30), std::string(40, 'x'));
}

// Code page 932 bytes written out: 万 is 96 9C, 円 89 7E; 8A 96 (the 2nd byte 96 alone) is 顕.
TEST(ten_thousands_read, takes_man_as_ten_thousand_or_refuses_it) {
    const struct {
        std::string text;
        std::optional<std::string> read;
    } cases[] = {
        {"1,234,567", "1,234,567"},  // no 万: as it is
        {"abc", "abc"},
        {"", ""},
        {"\x8a\x96\x9c", "\x8a\x96\x9c"},  // 顕 then a lone byte: no 万 there
        {"3\x96\x9c", "30000"},
        {"3.5\x96\x9c", "35000"},
        {" 150\x96\x9c ", "1500000"},
        {"1,500\x96\x9c", "15000000"},
        {"1\x96\x9c"
         "2,000",
         "12000"},
        {"3\x96\x9c\x89\x7e", "30000"},
        {".5\x96\x9c", "5000"},
        {"1.23450\x96\x9c", "12345"},
        {"1.23456\x96\x9c", std::nullopt},
        {"\x96\x9c", std::nullopt},
        {"-3\x96\x9c", std::nullopt},
        {"3\x96\x9c\x96\x9c", std::nullopt},
        {"1.5,0\x96\x9c", std::nullopt},
        {"1\x96\x9c"
         "10000",
         std::nullopt},
        {"3\x96\x9c"
         "5\x90\xe7",
         std::nullopt},  // 3万5千
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ten_thousands_read(c.text), c.read) << c.text;
    }
}

}  // namespace
}  // namespace carloan
