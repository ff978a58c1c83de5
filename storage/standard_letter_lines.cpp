#include "storage/standard_letter_lines.h"

#include "text/cp932.h"

#include <span>
#include <string_view>

namespace carloan {

const std::array<std::string, 5>& standard_letter_lines() {
    static const std::array<std::string, 5> lines = [] {
        constexpr std::array<std::string_view, 5> utf8{
            "  この度、ご照会いただきましたオートローンにつき、下記の通りお見積申し上げます。",
            "何卒ご用命下さいます様、宜しくお願い申し上げます。",
            "  尚、お支払期間中に万一病気、けが等でご入院された場合、入院日数に応じて",
            "入院給付金をお支払いする「ミルサーラ」をお勧めしています。",
            "お申し込み頂いた場合、月々のお支払額に、３００円を加えて引き落としさせて頂きます。",
        };
        std::array<std::string, 5> converted;
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            converted[i] = utf8_to_cp932(utf8[i]).value();
        }
        return converted;
    }();
    return lines;
}

void fill_standard_letter_lines(branch_settings& settings) {
    const std::array<std::span<char>, 5> slots{settings.opening_line_1, settings.opening_line_2,
                                               settings.note_line_1, settings.note_line_2,
                                               settings.note_line_3};
    for (std::size_t i = 0; i < slots.size(); ++i) {
        write_slot(slots[i], standard_letter_lines()[i]);
    }
}

}  // namespace carloan
