#pragma once
// Prints the one-page estimate on the default printer, or shows why it could not.

#include "print/print_pages.h"

#include <QString>

class QWidget;

namespace carloan {

struct session_state;

inline const QString estimate_document_name = QStringLiteral("オートローンお見積書");

void print_estimate(QWidget* owner, const session_state& session);

}  // namespace carloan
