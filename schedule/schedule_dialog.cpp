#include "schedule/schedule_dialog.h"

#include "schedule/schedule_csv.h"
#include "schedule/schedule_printout.h"
#include "storage/atomic_file.h"
#include "text/cp932.h"
#include "text/qt_text.h"
#include "ui/ascii_digits.h"
#include "ui/dialog_placement.h"
#include "ui/file_dialog.h"
#include "ui/message_box.h"
#include "ui/session.h"
#include "ui_schedule_dialog.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

namespace carloan {
namespace {

// Character columns of a listed line: "%3d   %4d/%02d " and two 14-wide amounts. Each caption
// spans the columns it names, so that it sits over them in the list's fixed-pitch font.
constexpr int number_columns = 4;
constexpr int month_columns = 10;
constexpr int amount_columns = 14;
constexpr int line_columns = 42;

// The platform's fixed font, or failing that (some platforms answer with the ordinary font) the
// first fixed-pitch family installed: the list's columns only line up in one.
QFont fixed_pitch_font() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontInfo(font).fixedPitch()) {
        return font;
    }
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isFixedPitch(family)) {
            font.setFamilies({family});
            break;
        }
    }
    return font;
}

QString record_value(std::int32_t value) {
    return QString::number(value);
}

}  // namespace

schedule_dialog::schedule_dialog(session_state& session, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::schedule_dialog>()), session_(session) {
    ui_->setupUi(this);
    move_to_screen_corner(this);
    ui_->schedule_list->setFont(fixed_pitch_font());
    align_captions();
    show_record();
    for (QLineEdit* field : {ui_->start_year, ui_->start_month, ui_->first_bonus_year,
                             ui_->first_bonus_month, ui_->bonus_month_1, ui_->bonus_month_2}) {
        accept_full_width_digits(field);
    }

    connect(ui_->expand_button, &QPushButton::clicked, this, &schedule_dialog::expand_schedule);
    connect(ui_->close_button, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->print_button, &QPushButton::clicked, this, &schedule_dialog::print_listed);
    connect(ui_->pdf_button, &QPushButton::clicked, this, &schedule_dialog::save_pdf);
    connect(ui_->csv_button, &QPushButton::clicked, this, &schedule_dialog::save_csv);
}

schedule_dialog::~schedule_dialog() = default;

void schedule_dialog::show_record() {
    const quote_record& record = session_.record;
    ui_->start_year->setText(record_value(record.start_year));
    ui_->start_month->setText(record_value(record.start_month));
    ui_->first_bonus_year->setText(record_value(record.first_bonus_year));
    ui_->first_bonus_month->setText(record_value(record.first_bonus_month));
    ui_->bonus_month_1->setText(record_value(record.bonus_month_1));
    ui_->bonus_month_2->setText(record_value(record.bonus_month_2));
    ui_->payment_count->setText(record_value(record.payment_count));
    ui_->bonus_count->setText(record_value(record.bonus_count));
}

void schedule_dialog::align_captions() {
    QListWidget* list = ui_->schedule_list;
    const QFontMetrics metrics(list->font());
    const auto columns = [&metrics](int count) {
        return metrics.horizontalAdvance(QString(count, QLatin1Char('0')));
    };
    // Item views indent their text by the focus frame margin and one pixel.
    const int text_margin =
        list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int indent = list->frameWidth() + text_margin;
    ui_->captions_layout->setContentsMargins(indent, 0, 0, 0);
    ui_->number_caption->setFixedWidth(columns(number_columns));
    ui_->month_caption->setFixedWidth(columns(month_columns));
    ui_->paid_caption->setFixedWidth(columns(amount_columns));
    ui_->balance_caption->setFixedWidth(columns(amount_columns));

    const int scroll_bar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    list->setMinimumWidth(columns(line_columns) + 2 * indent + scroll_bar + 2);
}

schedule_entries schedule_dialog::entries() const {
    const auto read = [](const QLineEdit* field) {
        return field_cp932(field->text(), input_read_limit);
    };
    return {read(ui_->start_year),        read(ui_->start_month),   read(ui_->first_bonus_year),
            read(ui_->first_bonus_month), read(ui_->bonus_month_1), read(ui_->bonus_month_2)};
}

void schedule_dialog::set_lines(const std::vector<std::string>& lines) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) {
        texts.push_back(from_cp932(line));
    }
    ui_->schedule_list->clear();
    ui_->schedule_list->addItems(texts);
}

void schedule_dialog::expand_schedule() {
    const expansion result = expand(session_.record, entries());
    store_expansion(session_.record, session_.table, result);
    if (!result.message.empty()) {
        show_message(this, message_caption, QString::fromStdString(result.message));
        return;
    }
    set_lines(result.lines);
    const std::span<const schedule_row> payments = payment_rows(result.rows);
    listed_.assign(payments.begin(), payments.end());
    for (QPushButton* button : {ui_->print_button, ui_->pdf_button, ui_->csv_button}) {
        button->setEnabled(true);
    }
}

void schedule_dialog::print_listed() {
    print_printout(this, schedule_printout(session_.record, listed_));
}

QString schedule_dialog::file_name() const {
    const QString customer = from_cp932(read_slot(session_.record.customer_name));
    return customer.isEmpty() ? schedule_document_name : customer + u'_' + schedule_document_name;
}

void schedule_dialog::save_pdf() {
    save_printout_pdf(this, schedule_printout(session_.record, listed_), file_name());
}

void schedule_dialog::save_csv() {
    save_file(this, csv_file, file_name(), schedule_document_name, [this](const QString& path) {
        return write_file_atomically(std::filesystem::path(path.toStdU16String()),
                                     schedule_csv(listed_));
    });
}

void run_schedule_dialog(QWidget* parent, session_state& session) {
    schedule_dialog dialog(session, parent);
    dialog.exec();
}

}  // namespace carloan
