#pragma once
// Everything one run of the program shares between its windows. Created once in main, never
// reset, and handed by reference to the windows that use it; tests build their own.

#include "calc/calculate.h"
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
};

}  // namespace carloan
