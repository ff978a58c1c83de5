#pragma once
// The listed schedule as a printout, through the estimate's printer path and drawing.

#include "schedule/schedule_page.h"
#include "ui/printout.h"

#include <QString>

namespace carloan {

inline const QString schedule_document_name = QStringLiteral("ご返済明細");

// The schedule of `record` listing `payments`; both must outlive it.
printout schedule_printout(const quote_record& record, std::span<const schedule_row> payments);

// False when the file could not be written; nothing is shown.
bool write_schedule_pdf(const QString& path, const quote_record& record,
                        std::span<const schedule_row> payments, const local_time& now);

}  // namespace carloan
