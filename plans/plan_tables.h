#pragma once
// The plan comparison dialog's two tables: filled from plan rows and sized to show every cell.

#include "plans/plan_comparison.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string_view>
#include <vector>

class QTableWidget;

namespace carloan {

// A UTF-8 message or label of the core as a Qt text.
QString utf8(std::string_view text);

// One column per entry of the rows' cells, the row labels down the side, each column named by
// `names` for a screen reader (the header is hidden). A cell of a refused column explains itself
// in its tool tip and its accessible description.
void fill_table(QTableWidget* table, const std::vector<plan_row>& rows, const QStringList& names,
                const std::vector<QString>& column_messages);

// The name of a payment count's column: "36回".
QString column_name(std::int32_t payment_count);

}  // namespace carloan
