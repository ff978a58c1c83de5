#pragma once
// A quote with extras (cli/quote_request.h): the price lines make the net balance, and a residual
// asks for the residual-value plan instead of the ordinary one. Its JSON is the plan's, followed
// by the price lines and their totals when given.

#include "calc/price_lines.h"
#include "cli/quote_request.h"

#include <optional>
#include <string>

namespace carloan {

struct extended_outcome {
    calc_outcome outcome;
    std::optional<price_figures> prices;  // when price lines were given and read
    std::int32_t payment_total = 0;       // お支払総額, with prices and a result
};

// The price lines first (a line that cannot be read stops the quote with its message), then the
// plan of the inputs with their net balance.
extended_outcome quote_extended(calc_inputs inputs, const current_flags& flags,
                                const quote_extras& extras);

// The inputs with the net balance the price lines make, or the message of a line.
std::variant<calc_inputs, std::string> with_price_lines(calc_inputs inputs,
                                                        const price_line_texts& prices);

// Why a request cannot be quoted at all: a net balance given beside the price lines that make it.
std::optional<std::string> extras_conflict(const quote_request& request);

void append_extended_json(std::string& out, const extended_outcome& quoted);

}  // namespace carloan
