#include "text/full_width.h"

#include "text/cp932.h"

#include <gtest/gtest.h>

namespace carloan {
namespace {

TEST(full_width, folds_number_characters_in_utf8_and_leaves_the_rest) {
    const struct {
        const char* utf8;
        const char* folded;
    } cases[] = {
        {"０１２３４５６７８９", "0123456789"},
        {"１，０００，０００円", "1,000,000円"},
        {"９．９", "9.9"},
        {"－２５００", "-2500"},
        {"＋５", "+5"},
        {"　５００　", " 500 "},
        {"／＊ＡＢ・ー−", "／＊ＡＢ・ー−"},
        {"\xEF\xBC", "\xEF\xBC"},  // cut inside a character
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ascii_digits(c.utf8), c.folded) << c.utf8;
    }
}

// The code page 932 fold is the same rule: over every double-byte character it folds exactly
// what the UTF-8 fold does to the same character.
TEST(full_width, code_page_932_pairs_fold_as_their_unicode_characters) {
    int folding = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!is_lead_byte(static_cast<unsigned char>(lead))) {
            continue;
        }
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            // A pair that is no character may leave its trail byte as a character of its own.
            const std::string utf8 = cp932_to_utf8(pair);
            const std::string folded = ascii_digits(utf8);
            const char expected = folded != utf8 && folded.size() == 1 ? folded[0] : 0;
            ASSERT_EQ(cp932_ascii_form(static_cast<unsigned char>(lead),
                                       static_cast<unsigned char>(trail)),
                      expected)
                << std::hex << lead << " " << trail;
            folding += expected != 0;
        }
    }
    EXPECT_EQ(folding, 15);
}

}  // namespace
}  // namespace carloan
