#pragma once
// The listed schedule on the default printer and as a PDF file, through the estimate's printer
// path and drawing.

#include "print/print_pages.h"
#include "schedule/schedule_page.h"

#include <QString>

class QWidget;

namespace carloan {

inline const QString schedule_document_name = QStringLiteral("ご返済明細");

// Prints the pages dated now, or shows why they could not be printed; true once they went to the
// printer.
bool print_schedule(QWidget* owner, const quote_record& record,
                    std::span<const schedule_row> payments);

// False when the file could not be written; nothing is shown.
bool write_schedule_pdf(const QString& path, const quote_record& record,
                        std::span<const schedule_row> payments, const local_time& now);

}  // namespace carloan
