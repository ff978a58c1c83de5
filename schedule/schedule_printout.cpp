#include "schedule/schedule_printout.h"

#include <utility>

namespace carloan {

bool print_schedule(QWidget* owner, const quote_record& record,
                    std::span<const schedule_row> payments) {
    auto pages = schedule_pages(record, payments, print_time());
    const int count = static_cast<int>(pages.size());
    return print_pages(owner, schedule_document_name, count, drawing_of(std::move(pages)));
}

bool write_schedule_pdf(const QString& path, const quote_record& record,
                        std::span<const schedule_row> payments, const local_time& now) {
    auto pages = schedule_pages(record, payments, now);
    const int count = static_cast<int>(pages.size());
    return write_pdf(path, schedule_document_name, count, drawing_of(std::move(pages)));
}

}  // namespace carloan
