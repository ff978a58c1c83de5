#include "plans/plan_tables.h"

#include "text/qt_text.h"

#include <QHeaderView>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>

namespace carloan {
namespace {

// Item views ask for no more than a modest default size; the table asks for all its cells, as far
// as the screen allows, and scrolls beyond that.
void fit_to_contents(QTableWidget* table) {
    int width = 2 * table->frameWidth() + table->verticalHeader()->sizeHint().width();
    for (int c = 0; c < table->columnCount(); ++c) {
        width += table->columnWidth(c);
    }
    int height = 2 * table->frameWidth();
    for (int r = 0; r < table->rowCount(); ++r) {
        height += table->rowHeight(r);
    }
    const int scroll_bar = table->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QRect screen = table->screen()->availableGeometry();
    if (width > screen.width() * 9 / 10) {
        width = screen.width() * 9 / 10;
        height += scroll_bar;
    }
    table->setMinimumWidth(width);
    table->setFixedHeight(height);
}

}  // namespace

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void fill_table(QTableWidget* table, const std::vector<plan_row>& rows, const QStringList& names,
                const std::vector<QString>& column_messages) {
    table->clearContents();
    table->setRowCount(static_cast<int>(rows.size()));
    table->setColumnCount(static_cast<int>(column_messages.size()));
    table->setHorizontalHeaderLabels(names);
    QStringList labels;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        labels << from_cp932(rows[r].label);
        for (std::size_t c = 0; c < rows[r].cells.size(); ++c) {
            auto* item = new QTableWidgetItem(from_cp932(rows[r].cells[c]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setToolTip(column_messages[c]);
            item->setData(Qt::AccessibleDescriptionRole, column_messages[c]);
            table->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    table->setVerticalHeaderLabels(labels);
    table->resizeColumnsToContents();
    fit_to_contents(table);
}

QString column_name(std::int32_t payment_count) {
    return QString::number(payment_count) + QStringLiteral("回");
}

}  // namespace carloan
