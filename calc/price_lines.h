#pragma once
// The dealer's price lines a quote starts from, and the totals made of them: 差引残高 (the net
// balance the calculation then takes), 現金販売価格 and お支払総額. Amounts are read as 差引残高
// reads them, 万 included, and a line or total past 32 bits is refused, never cut.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace carloan {

// Code page 932 texts as the fields give them; an empty text is an empty line.
struct price_line_texts {
    std::string vehicle_price_text{};  // 車両本体価格
    std::string accessories_text{};    // 付属品
    std::string expenses_text{};       // 諸費用
    std::string discount_text{};       // 値引き
    std::string down_payment_text{};   // 頭金
    std::string trade_in_text{};       // 下取り価格

    bool any() const;
    bool operator==(const price_line_texts&) const = default;
};

struct price_figures {
    std::int32_t vehicle_price = 0;
    std::int32_t accessories = 0;
    std::int32_t expenses = 0;
    std::int32_t discount = 0;
    std::int32_t down_payment = 0;
    std::int32_t trade_in = 0;
    std::int32_t cash_price = 0;   // 現金販売価格: price + accessories + expenses - discount
    std::int32_t net_balance = 0;  // 差引残高: the cash price - down payment - trade-in

    bool operator==(const price_figures&) const = default;
};

// One line: its text member, its figure member and its UTF-8 label, in the order of the form.
struct price_line {
    std::string_view name;  // the figure's JSON key
    std::string price_line_texts::*text = nullptr;
    std::int32_t price_figures::*value = nullptr;
    std::string_view label;
};

inline constexpr std::array<price_line, 6> price_lines{{
    {"vehicle_price", &price_line_texts::vehicle_price_text, &price_figures::vehicle_price,
     "車両本体価格"},
    {"accessories", &price_line_texts::accessories_text, &price_figures::accessories, "付属品"},
    {"expenses", &price_line_texts::expenses_text, &price_figures::expenses, "諸費用"},
    {"discount", &price_line_texts::discount_text, &price_figures::discount, "値引き"},
    {"down_payment", &price_line_texts::down_payment_text, &price_figures::down_payment, "頭金"},
    {"trade_in", &price_line_texts::trade_in_text, &price_figures::trade_in, "下取り価格"},
}};

// An amount as 差引残高 reads it: "1,500,000", "150万", " 1,500,000円". Nothing when it holds a
// 万 that names no whole number of yen or passes the 32-bit range.
std::optional<std::int32_t> amount_reading(std::string_view text);

// The lines and their totals, or the message of the first line that cannot be read or is below
// 0 ("値引きが範囲外です"), or of a total below 0 or past 32 bits ("差引残高が範囲外です").
std::variant<price_figures, std::string> read_price_lines(const price_line_texts& texts);

// The vehicle price a residual typed as a percentage is taken of; none while that line is empty
// or the lines cannot be read.
std::optional<std::int32_t> vehicle_price_of(const price_line_texts& texts);

// お支払総額: the down payment, the trade-in and the loan amount (which for a residual plan holds
// the final payment). Nothing past 32 bits.
std::optional<std::int32_t> payment_total(const price_figures& prices, std::int32_t loan_amount);

}  // namespace carloan
