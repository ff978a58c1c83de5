#include "calc/price_lines.h"

#include "calc/amount_text.h"

#include <limits>

namespace carloan {
namespace {

constexpr std::int64_t int32_low = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t int32_high = std::numeric_limits<std::int32_t>::max();

// The reading saturates at the range's ends; whether the digits truly stop there needs them
// read wide.
bool beyond_32_bits(std::string_view kept) {
    std::size_t i = kept.empty() || (kept[0] != '+' && kept[0] != '-') ? 0 : 1;
    const std::int64_t limit = kept.starts_with('-') ? -int32_low : int32_high;
    std::int64_t value = 0;
    for (; i < kept.size() && kept[i] >= '0' && kept[i] <= '9'; ++i) {
        value = value * 10 + (kept[i] - '0');
        if (value > limit) {
            return true;
        }
    }
    return false;
}

std::optional<std::int32_t> within_32_bits(std::int64_t value) {
    if (value < int32_low || value > int32_high) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace

bool price_line_texts::any() const {
    for (const price_line& line : price_lines) {
        if (!(this->*line.text).empty()) {
            return true;
        }
    }
    return false;
}

std::optional<std::int32_t> amount_reading(std::string_view text) {
    const std::optional<std::string> read = ten_thousands_read(text);
    if (!read) {
        return std::nullopt;
    }
    const std::int32_t value = number_value(*read);
    if ((value == int32_high || value == int32_low) && beyond_32_bits(number_characters(*read))) {
        return std::nullopt;
    }
    return value;
}

std::variant<price_figures, std::string> read_price_lines(const price_line_texts& texts) {
    price_figures figures;
    for (const price_line& line : price_lines) {
        const std::string& text = texts.*line.text;
        const std::optional<std::int32_t> value = text.empty() ? 0 : amount_reading(text);
        if (!value || *value < 0) {
            return std::string(line.label) + "が範囲外です";
        }
        figures.*line.value = *value;
    }
    const std::int64_t cash = std::int64_t{figures.vehicle_price} + figures.accessories +
                              figures.expenses - figures.discount;
    const std::int64_t net = cash - figures.down_payment - figures.trade_in;
    const std::optional<std::int32_t> cash_price = within_32_bits(cash);
    const std::optional<std::int32_t> net_balance = within_32_bits(net);
    if (!cash_price || !net_balance || *net_balance < 0) {
        return std::string("差引残高が範囲外です");
    }
    figures.cash_price = *cash_price;
    figures.net_balance = *net_balance;
    return figures;
}

std::optional<std::int32_t> payment_total(const price_figures& prices, std::int32_t loan_amount) {
    return within_32_bits(std::int64_t{prices.down_payment} + prices.trade_in + loan_amount);
}

std::optional<std::int32_t> vehicle_price_of(const price_line_texts& texts) {
    if (texts.vehicle_price_text.empty()) {
        return std::nullopt;
    }
    const auto read = read_price_lines(texts);
    const auto* prices = std::get_if<price_figures>(&read);
    return prices != nullptr ? std::optional(prices->vehicle_price) : std::nullopt;
}

}  // namespace carloan
