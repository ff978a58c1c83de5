#pragma once
// The one way a dialog offers a page: print it on the default printer, show it in the print
// preview, or save it as a PDF where the clerk chooses. A printout is its name and one function
// that lays its pages out for a moment and hands them to a drawing; everything else (printer
// messages, the save dialog, the failure message with folder and reason) is shared here.

#include "print/page_drawing.h"
#include "print/print_pages.h"

#include <QString>

#include <functional>

class QWidget;

namespace carloan {

struct printout {
    // The print job's and the PDF's title; also the file name proposed when no name is given.
    QString document_name;
    // The pages as printed at `now`, ready to draw: a pure page function and drawing_of.
    std::function<drawn_pages(const local_time& now)> pages;
};

// Prints the pages dated now, or shows why they could not be printed; true once they went to the
// printer.
bool print_printout(QWidget* owner, const printout& page);

void preview_printout(QWidget* parent, const printout& page);

// Asks where to save `name` (the document name when empty) as a PDF and writes the pages dated at
// that moment; a failure is shown with the folder and the reason. True once written.
bool save_printout_pdf(QWidget* parent, const printout& page, const QString& name);

// False when the file could not be written; nothing is shown.
bool write_printout_pdf(const QString& path, const printout& page, const local_time& now);

}  // namespace carloan
