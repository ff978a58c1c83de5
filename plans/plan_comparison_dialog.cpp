#include "plans/plan_comparison_dialog.h"

#include "calc/amount_text.h"
#include "calc/price_lines.h"
#include "plans/budget_search.h"
#include "plans/plan_page.h"
#include "print/page_strings.h"
#include "print/print_pages.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/ascii_digits.h"
#include "ui/dialog_placement.h"
#include "ui/file_dialog.h"
#include "ui/message_box.h"
#include "ui/session.h"
#include "ui_plan_comparison_dialog.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QStyle>
#include <QTableWidget>

#include <string_view>
#include <utility>

namespace carloan {
namespace {

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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

// One column per entry of the rows' cells, the row labels down the side, each column named by
// `names` for a screen reader (the header is hidden). A cell of a refused column explains itself
// in its tool tip and its accessible description.
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

bool is_enter(QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}  // namespace

plan_comparison_dialog::plan_comparison_dialog(const session_state& session, calc_inputs inputs,
                                               QWidget* main_window)
    : QDialog(main_window),
      ui_(std::make_unique<Ui::plan_comparison_dialog>()),
      session_(session),
      inputs_(std::move(inputs)) {
    ui_->setupUi(this);
    for (QLineEdit* field : {ui_->counts_field, ui_->budget_field}) {
        field->setValidator(new cp932_validator(field));
        accept_full_width_digits(field);
    }
    ui_->counts_field->setText(utf8(default_compared_counts));
    // One tab stop per table: Tab leaves it, the arrows choose a column, Enter applies it.
    for (QWidget* watched :
         {static_cast<QWidget*>(ui_->plan_table), static_cast<QWidget*>(ui_->answer_table),
          static_cast<QWidget*>(ui_->budget_field)}) {
        watched->installEventFilter(this);
    }
    ui_->plan_table->setTabKeyNavigation(false);
    ui_->answer_table->setTabKeyNavigation(false);

    connect(ui_->compare_button, &QPushButton::clicked, this, &plan_comparison_dialog::compare);
    connect(ui_->use_count_button, &QPushButton::clicked, this, &plan_comparison_dialog::use_count);
    connect(ui_->balance_button, &QPushButton::clicked, this,
            &plan_comparison_dialog::solve_balance);
    connect(ui_->payments_button, &QPushButton::clicked, this,
            &plan_comparison_dialog::solve_payments);
    connect(ui_->use_answer_button, &QPushButton::clicked, this,
            &plan_comparison_dialog::use_answer);
    connect(ui_->print_button, &QPushButton::clicked, this, &plan_comparison_dialog::print);
    connect(ui_->preview_button, &QPushButton::clicked, this, &plan_comparison_dialog::preview);
    connect(ui_->pdf_button, &QPushButton::clicked, this, &plan_comparison_dialog::save_pdf);
    connect(ui_->close_button, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->plan_table, &QTableWidget::itemSelectionChanged, this,
            &plan_comparison_dialog::show_usable_count);

    compare();
    show_answer(std::nullopt, false);
    move_to_screen_corner(this);
    ui_->counts_field->setFocus();
}

plan_comparison_dialog::~plan_comparison_dialog() = default;

bool plan_comparison_dialog::eventFilter(QObject* watched, QEvent* event) {
    // The budget is an amount like 差引残高, and shown as one once left: "3万" becomes 30,000.
    if (event->type() == QEvent::FocusOut && watched == ui_->budget_field &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        const std::optional<std::string> text =
            ten_thousands_read(field_cp932(ui_->budget_field->text(), input_read_limit));
        if (text && !text->empty()) {
            ui_->budget_field->setText(from_cp932(amount_text(*text, amount_width)));
        }
    }
    // A table would keep Ctrl+Tab to itself; it leaves the table as Tab does.
    if (event->type() == QEvent::KeyPress &&
        (watched == ui_->plan_table || watched == ui_->answer_table)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            key->modifiers().testFlag(Qt::ControlModifier)) {
            focusNextPrevChild(key->key() == Qt::Key_Tab &&
                               !key->modifiers().testFlag(Qt::ShiftModifier));
            return true;
        }
    }
    if (is_enter(event)) {
        // Taken here, so that it never reaches the default button (比較).
        if (watched == ui_->plan_table) {
            use_count();
            return true;
        }
        if (watched == ui_->answer_table) {
            use_answer();
            return true;
        }
        if (watched == ui_->budget_field) {
            (this->*last_search_)();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void plan_comparison_dialog::compare() {
    const std::optional<std::string> list = to_cp932(ui_->counts_field->text());
    const auto parsed = parse_payment_counts(list.value_or("?"));
    if (const auto* message = std::get_if<std::string>(&parsed)) {
        show_message(this, caption_tavri, utf8(*message));
        return;
    }
    const auto& counts = std::get<std::vector<std::int32_t>>(parsed);
    if (residual_plans()) {
        // The vehicle price a residual typed as a percentage is taken of.
        std::optional<std::int32_t> vehicle_price;
        const auto prices = read_price_lines(session_.price_lines);
        if (const auto* figures = std::get_if<price_figures>(&prices);
            figures && !session_.price_lines.vehicle_price_text.empty()) {
            vehicle_price = figures->vehicle_price;
        }
        columns_ = compare_residual_plans(inputs_, session_.flags, counts, session_.residual_text,
                                          vehicle_price);
    } else {
        columns_ = compare_plans(inputs_, session_.flags, counts);
    }
    show_columns();
}

void plan_comparison_dialog::show_columns() {
    std::vector<QString> messages;
    QStringList names;
    for (const plan_column& column : columns_) {
        messages.push_back(utf8(column.outcome.message));
        names << column_name(column.payment_count);
    }
    QTableWidget* table = ui_->plan_table;
    fill_table(table, plan_rows(columns_, session_.flags, residual_plans()), names, messages);

    // The count the form holds starts chosen, so that この回数で計算 does what the clerk expects.
    table->clearSelection();
    const std::int32_t current = leading_integer(inputs_.payment_count_text);
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (columns_[c].payment_count == current) {
            table->setCurrentCell(0, static_cast<int>(c));
            table->selectColumn(static_cast<int>(c));
            break;
        }
    }
    show_usable_count();
    // Wide enough for every column, as far as the screen allows.
    adjustSize();
}

std::optional<std::size_t> plan_comparison_dialog::chosen_column() const {
    const QModelIndexList chosen = ui_->plan_table->selectionModel()->selectedColumns();
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(chosen.front().column());
}

// A refused column has no quote to apply.
void plan_comparison_dialog::show_usable_count() {
    const std::optional<std::size_t> chosen = chosen_column();
    ui_->use_count_button->setEnabled(chosen && *chosen < columns_.size() &&
                                      columns_[*chosen].outcome.result.has_value());
}

std::optional<std::int32_t> plan_comparison_dialog::budget() {
    const auto read = read_budget(field_cp932(ui_->budget_field->text(), input_read_limit));
    if (const auto* message = std::get_if<std::string>(&read)) {
        // An earlier answer belongs to another budget.
        show_answer(std::nullopt, false);
        show_message(this, caption_tavri, utf8(*message));
        return std::nullopt;
    }
    return std::get<std::int32_t>(read);
}

void plan_comparison_dialog::solve_balance() {
    last_search_ = &plan_comparison_dialog::solve_balance;
    if (const std::optional<std::int32_t> limit = budget()) {
        const std::optional<calc_result> found = largest_balance(inputs_, session_.flags, *limit);
        found ? show_answer(found, true) : show_no_answer(no_balance_reason(inputs_));
    }
}

void plan_comparison_dialog::solve_payments() {
    last_search_ = &plan_comparison_dialog::solve_payments;
    if (const std::optional<std::int32_t> limit = budget()) {
        const std::optional<calc_result> found = fewest_payments(inputs_, session_.flags, *limit);
        found ? show_answer(found, false) : show_no_answer(no_plan_within_budget);
    }
}

void plan_comparison_dialog::show_no_answer(std::string_view reason) {
    show_answer(std::nullopt, false);
    show_message(this, caption_tavri, utf8(reason));
}

// The answer with its whole quote: the net balance first, then the rows of the comparison.
void plan_comparison_dialog::show_answer(const std::optional<calc_result>& answer,
                                         bool balance_solved) {
    answer_ = answer;
    balance_solved_ = balance_solved;
    ui_->use_answer_button->setEnabled(answer_.has_value());
    std::vector<plan_row> rows;
    if (answer_) {
        const plan_column column{answer_->payment_count, {answer_, {}}};
        rows.push_back({*utf8_to_cp932(balance_solved ? "借入可能額" : "差引残高"),
                        {blank_removal(amount_text(answer_->net_balance, amount_width))}});
        for (plan_row& row : plan_rows({&column, 1}, session_.flags)) {
            rows.push_back(std::move(row));
        }
    }
    fill_table(ui_->answer_table, rows,
               answer_ ? QStringList{column_name(answer_->payment_count)} : QStringList{},
               std::vector<QString>(answer_ ? 1 : 0));
    // An empty table would still take a Tab stop that nothing shows.
    ui_->answer_table->setVisible(answer_.has_value());
    adjustSize();
}

void plan_comparison_dialog::use_count() {
    if (!ui_->use_count_button->isEnabled()) {
        return;
    }
    const plan_column& column = columns_.at(*chosen_column());
    choice_ = plan_choice{std::to_string(column.payment_count), {}};
    accept();
}

// The answer goes into the field it was found for; the other inputs stay as the clerk typed them.
void plan_comparison_dialog::use_answer() {
    if (!answer_) {
        return;
    }
    choice_ = balance_solved_ ? plan_choice{{}, amount_text(answer_->net_balance, amount_width)}
                              : plan_choice{std::to_string(answer_->payment_count), {}};
    accept();
}

// A residual set in 残価設定 turns every column into a residual plan of that residual.
bool plan_comparison_dialog::residual_plans() const {
    return !session_.residual_text.empty();
}

std::vector<page_string> plan_comparison_dialog::page() const {
    return plan_comparison_page(columns_, session_.flags.bonus_method, session_.record,
                                session_.settings, session_.customer_name, print_time(),
                                residual_plans());
}

// The comparison as shown, through the estimate's printer, preview and PDF paths.
void plan_comparison_dialog::print() {
    print_pages(this, utf8(plan_page_title), 1, drawing_of({page()}));
}

void plan_comparison_dialog::preview() {
    preview_pages(this, utf8(plan_page_title), 1, drawing_of({page()}));
}

void plan_comparison_dialog::save_pdf() {
    const QString title = utf8(plan_page_title);
    save_file(this, pdf_file, from_cp932(session_.customer_name), title,
              [this, &title](const QString& path) {
                  return write_pdf(path, title, 1, drawing_of({page()}));
              });
}

std::optional<plan_choice> run_plan_comparison_dialog(QWidget* main_window,
                                                      const session_state& session,
                                                      const calc_inputs& inputs) {
    plan_comparison_dialog dialog(session, inputs, main_window);
    dialog.exec();
    return dialog.choice();
}

}  // namespace carloan
