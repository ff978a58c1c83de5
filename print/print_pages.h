#pragma once
// The printer back-end every printout shares: pages through the default printer, with the
// messages the estimate has always shown when the printer cannot be found, opened or started.

#include "print/estimate_page.h"

#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QWidget;

namespace carloan {

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

// The moment a printout carries, from the platform's clock.
local_time print_time();

// Draws page `index` (from 0) with the painter at the printable area's top-left corner.
using page_drawing = std::function<void(QPainter& painter, int index)>;

// Prints `page_count` pages as one document named `document_name` on the default printer, at
// page_dots_per_inch. Failures show their message over `owner` and print nothing.
void print_pages(QWidget* owner, const QString& document_name, int page_count,
                 const page_drawing& draw);

}  // namespace carloan
