#include "text/cp932.h"

#include <gtest/gtest.h>

#include <array>

namespace carloan {
namespace {

TEST(cp932, round_trips_japanese_and_ascii) {
    const std::string utf8 = "見積 ABC ｷｬﾝｾﾙ ＭＳ明朝 ～";
    const auto bytes = utf8_to_cp932(utf8);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(cp932_to_utf8(*bytes), utf8);
    EXPECT_EQ(*utf8_to_cp932("見"), "\x8C\xA9");
    EXPECT_EQ(*utf8_to_cp932("ｷ"), "\xB7");  // half-width katakana is one byte
}

TEST(cp932, refuses_characters_it_cannot_hold) {
    EXPECT_FALSE(utf8_to_cp932("price \xF0\x9F\x98\x80"));  // an emoji
    EXPECT_FALSE(utf8_to_cp932("\xC3\xA9"));                // e acute
    EXPECT_FALSE(utf8_to_cp932("\xFF\xFE"));                // not UTF-8 at all
    EXPECT_FALSE(utf8_to_cp932("\xE3\x81"));                // cut inside a character
    EXPECT_FALSE(utf8_to_cp932("\xC0\xB1"));                // overlong "1"
    EXPECT_FALSE(utf8_to_cp932("\xE0\x80\xB1"));            // overlong "1"
    EXPECT_FALSE(utf8_to_cp932("\xED\xA0\x80"));            // a surrogate
    EXPECT_FALSE(utf8_to_cp932("\xF4\x90\x80\x80"));        // past U+10FFFF
}

TEST(cp932, takes_input_method_look_alikes_as_their_siblings) {
    EXPECT_EQ(*utf8_to_cp932("\xE3\x80\x9C"), "\x81\x60");  // WAVE DASH as FULLWIDTH TILDE
    EXPECT_EQ(*utf8_to_cp932("\xE2\x88\x92"), "\x81\x7C");  // MINUS SIGN as FULLWIDTH HYPHEN-MINUS
}

TEST(cp932, ascii_is_itself_and_bytes_that_are_no_character_show_as_nothing) {
    struct row {
        std::string_view cp932;
        std::string_view utf8;
    };
    const row rows[] = {
        // Every ASCII byte stands for itself, beside a double-byte character or not.
        {"\x1A\x1C\x7F\\~", "\x1A\x1C\x7F\\~"},
        {"\x1A\x8C\xA9\x1C\x7F\\~", "\x1A見\x1C\x7F\\~"},
        {"\x83\x5C", "ソ"},
        {"a\x80"
         "b\xA0"
         "c\xFD",
         "a\u0080bc"},
        {"\x85\x40x", "x"},  // a well-formed pair that names no character
        {"\x8C\xA9\x81", "見"},
        {"\x81\x20\xB1", " ｱ"},
        {"\x81\x7F\x1A", "\x7F\x1A"},
    };
    for (const row& r : rows) {
        EXPECT_EQ(cp932_to_utf8(r.cp932), r.utf8);
    }
    EXPECT_EQ(utf8_to_cp932("\x1A\x1C\x7F見"), "\x1A\x1C\x7F\x8C\xA9");
    EXPECT_EQ(utf16_to_cp932(u"\x1A\x1C\x7F見"), "\x1A\x1C\x7F\x8C\xA9");
    // 0x80 is itself, as in Windows' table; a character whose form converts back to another, or
    // one a converter would quietly drop, is refused.
    EXPECT_EQ(utf16_to_cp932(u"a\u0080見"), "a\x80\x8C\xA9");
    EXPECT_FALSE(utf16_to_cp932(u"a\u200Bb"));
    EXPECT_FALSE(utf16_to_cp932(u"\uF86F"));
}

TEST(cp932, prefix_never_keeps_half_a_character) {
    const std::string text = *utf8_to_cp932("ab見積");  // a b 8C A9 90 CF
    struct row {
        std::size_t limit;
        std::string_view expected;
    };
    for (const row& r : std::array<row, 6>{
             {{0, ""}, {2, "ab"}, {3, "ab"}, {4, "ab\x8C\xA9"}, {5, "ab\x8C\xA9"}, {6, text}}}) {
        EXPECT_EQ(cp932_prefix(text, r.limit), r.expected) << "limit " << r.limit;
    }
    // A second byte of 0x5C ("\") is part of its character, not a separator.
    const std::string so = *utf8_to_cp932("ソ");
    EXPECT_EQ(so, "\x83\x5C");
    EXPECT_EQ(cp932_prefix(so, 1), "");
    // A dangling lead byte at the very end is dropped.
    EXPECT_EQ(cp932_prefix("a\x8C", 10), "a");
}

TEST(cp932, slot_write_cuts_terminates_and_keeps_the_tail) {
    std::array<char, 6> slot{};
    write_slot(slot, "abcdefgh");
    EXPECT_EQ(std::string(slot.data(), 6), std::string("abcde\0", 6));
    write_slot(slot, "xy");
    EXPECT_EQ(std::string(slot.data(), 6), std::string("xy\0de\0", 6));
    EXPECT_EQ(read_slot(slot), "xy");

    std::array<char, 4> narrow{'q', 'q', 'q', 'q'};
    write_slot(narrow, *utf8_to_cp932("a見積"));  // 5 bytes into room for 3
    EXPECT_EQ(std::string(narrow.data(), 4), std::string("a\x8C\xA9\0", 4));
}

TEST(cp932, slot_read_stops_at_the_slot_end_without_a_terminator) {
    const std::array<char, 3> foreign{'a', 'b', 'c'};
    EXPECT_EQ(read_slot(foreign), "abc");
}

}  // namespace
}  // namespace carloan
