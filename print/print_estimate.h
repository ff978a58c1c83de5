#pragma once
// Prints the one-page estimate on the default printer, or shows why it could not.

#include "print/estimate_page.h"

#include <QString>

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace carloan {

struct session_state;

// What printing asks of the machine, each replaceable so that tests need no printer and no clock.
struct print_platform {
    std::function<local_time()> local_clock;
    // The default printer's name; empty when there is none.
    std::function<QString()> default_printer_name;
    // A printer on `name` with its default settings, or nothing when it cannot be opened.
    std::function<std::unique_ptr<QPrinter>(const QString& name)> open_printer;
};

print_platform system_print_platform();

// Replaces the platform for every later print (tests); system_print_platform() restores it.
void set_print_platform(print_platform platform);

inline const QString estimate_document_name = QStringLiteral("オートローンお見積書");

void print_estimate(QWidget* owner, const session_state& session);

}  // namespace carloan
