#pragma once
// Reads a schedule CSV back the way a spreadsheet program would, so that tests compare what the
// file says against the schedule rows rather than against the bytes we meant to write.

#include "schedule/repayment_table.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace carloan::testing {

// Number, year, month, amount paid, bonus part, balance.
using csv_payment = std::array<long long, 6>;

inline csv_payment csv_payment_of(long long number, const schedule_row& row) {
    return {number,         row.year,
            row.month,      std::int64_t{row.regular_payment} + row.bonus_part,
            row.bonus_part, row.balance};
}

// The payments of the file; a failure (and nothing) when the mark, header or a line is off.
inline std::vector<csv_payment> read_schedule_csv(std::string_view csv) {
    constexpr std::string_view head = "\xEF\xBB\xBF回目,年月,返済額,ボーナス加算分,返済後残高\r\n";
    std::vector<csv_payment> payments;
    if (!csv.starts_with(head)) {
        ADD_FAILURE() << "no byte-order mark and header";
        return payments;
    }
    std::istringstream lines{std::string(csv.substr(head.size()))};
    for (std::string line; std::getline(lines, line);) {
        csv_payment p;
        int read = 0;
        if (std::sscanf(line.c_str(), "%lld,%lld/%lld,%lld,%lld,%lld\r%n", &p[0], &p[1], &p[2],
                        &p[3], &p[4], &p[5], &read) != 6 ||
            read != static_cast<int>(line.size())) {
            ADD_FAILURE() << "unreadable line: " << line;
            return {};
        }
        payments.push_back(p);
    }
    return payments;
}

}  // namespace carloan::testing
