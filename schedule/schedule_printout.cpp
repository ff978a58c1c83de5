#include "schedule/schedule_printout.h"

namespace carloan {

printout schedule_printout(const quote_record& record, std::span<const schedule_row> payments) {
    return {schedule_document_name, [&record, payments](const local_time& now) {
                return drawing_of(schedule_pages(record, payments, now));
            }};
}

bool write_schedule_pdf(const QString& path, const quote_record& record,
                        std::span<const schedule_row> payments, const local_time& now) {
    return write_printout_pdf(path, schedule_printout(record, payments), now);
}

}  // namespace carloan
