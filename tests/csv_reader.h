#pragma once
// Reads a schedule CSV back the way a spreadsheet program would, so that tests compare what the
// file says against the schedule rows rather than against the bytes we meant to write.

#include "schedule/repayment_table.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace carloan::testing {

struct csv_payment {
    std::int64_t number = 0;
    std::int64_t year = 0;
    std::int64_t month = 0;
    std::int64_t paid = 0;
    std::int64_t bonus = 0;
    std::int64_t balance = 0;

    bool operator==(const csv_payment&) const = default;
};

// What a payment row of the schedule should read as in the file.
inline csv_payment csv_payment_of(std::int64_t number, const schedule_row& row) {
    return {number,         row.year,
            row.month,      std::int64_t{row.regular_payment} + row.bonus_part,
            row.bonus_part, row.balance};
}

// The payments of the file; a failure (and nothing) when the mark, header or line ends are off.
inline std::vector<csv_payment> read_schedule_csv(std::string_view csv) {
    constexpr std::string_view head = "\xEF\xBB\xBF回目,年月,返済額,ボーナス加算分,返済後残高\r\n";
    if (!csv.starts_with(head)) {
        ADD_FAILURE() << "no byte-order mark and header";
        return {};
    }
    std::vector<csv_payment> payments;
    std::istringstream lines{std::string(csv.substr(head.size()))};
    for (std::string line; std::getline(lines, line);) {
        if (!line.ends_with('\r')) {
            ADD_FAILURE() << "a line not ended by CR LF: " << line;
            return {};
        }
        csv_payment p;
        char comma1 = 0, slash = 0, comma2 = 0, comma3 = 0, comma4 = 0;
        std::istringstream fields(line);
        fields >> p.number >> comma1 >> p.year >> slash >> p.month >> comma2 >> p.paid >> comma3 >>
            p.bonus >> comma4 >> p.balance;
        if (!fields || comma1 != ',' || slash != '/' || comma2 != ',' || comma3 != ',' ||
            comma4 != ',') {
            ADD_FAILURE() << "unreadable line: " << line;
            return {};
        }
        payments.push_back(p);
    }
    return payments;
}

}  // namespace carloan::testing
