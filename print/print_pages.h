#pragma once
// The back-end every printout shares: pages through the default printer, with the messages the
// estimate has always shown when the printer cannot be found, opened or started; the same pages
// in Qt's print preview and in a PDF file.

#include "print/page_drawing.h"

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

// Prints the pages as one document named `document_name` on the default printer, at
// page_dots_per_inch. True once the pages went to the printer; failures show their message over
// `owner` (but for a job the printer system refused at its end) and print nothing.
bool print_pages(QWidget* owner, const QString& document_name, const drawn_pages& pages);

// Shows the pages in Qt's print preview over `parent`, laid out for the default printer (for an
// A4 page when there is none); printing from the preview prints these pages.
void preview_pages(QWidget* parent, const QString& document_name, const drawn_pages& pages);

// Writes the pages as an A4 PDF whose origin is the paper's corner, text kept as text in the
// embedded face. True once the whole file stands at `path`; on false an existing file there is
// as it was and nothing else is left behind. A new file is private; one written over keeps its
// permissions.
bool write_pdf(const QString& path, const QString& document_name, const drawn_pages& pages);

}  // namespace carloan
