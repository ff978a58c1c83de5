#pragma once
// Everything one run of the program shares between its windows. Created once in main, never
// reset, and handed by reference to the windows that use it; tests build their own.

#include "calc/calculate.h"
#include "calc/price_lines.h"
#include "schedule/repayment_table.h"
#include "storage/branch_settings.h"
#include "storage/branch_settings_file.h"
#include "storage/quote_record.h"

#include <filesystem>
#include <string>

namespace carloan {

// The name a cancelled save or open dialog leaves behind.
inline constexpr std::string_view no_quote_name = "?????";

struct session_state {
    quote_record record{};
    branch_settings settings{};
    std::filesystem::path settings_path = branch_settings_file_name;      // read from
    std::filesystem::path own_settings_path = branch_settings_file_name;  // 初期登録 stores to
    repayment_table table{};
    current_flags flags{};
    std::string quote_name;            // code page 932, as chosen in the save or open dialog
    std::filesystem::path quote_path;  // the quote folder followed by that name
    // Code page 932: the quote file the window works on, as last saved or opened ("ABC.car"),
    // which the window's title shows and the save-name dialog proposes; empty for a new quote.
    std::string quote_file_name;
    // Code page 932: the customer the print confirmation proposes and the plan comparison names:
    // the quote's own name after a save or an open ("ABC" for ABC.car), then the name a print
    // confirmed; empty for a new quote.
    std::string customer_name;
    // Code page 932, as typed in 残価設定: the dealer's price lines and the residual ("957000",
    // "45%"). A quote file keeps them in its extension block; empty for an ordinary quote.
    price_line_texts price_lines;
    std::string residual_text;
};

}  // namespace carloan
