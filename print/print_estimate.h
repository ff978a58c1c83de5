#pragma once
// The one-page estimate as a printout, drawn from the session's quote record, branch settings and
// current bonus method.

#include "print/estimate_page.h"
#include "ui/printout.h"

#include <QString>

class QWidget;

namespace carloan {

struct session_state;

inline const QString estimate_document_name = QStringLiteral("オートローンお見積書");

// The estimate of `session`, which must outlive it.
printout estimate_printout(const session_state& session);

// Prints the estimate, or shows why it could not; true once it went to the printer.
bool print_estimate(QWidget* owner, const session_state& session);

// False when the file could not be written; nothing is shown.
bool write_estimate_pdf(const QString& path, const session_state& session, const local_time& now);

}  // namespace carloan
