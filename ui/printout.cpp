#include "ui/printout.h"

#include "ui/file_dialog.h"

namespace carloan {

bool print_printout(QWidget* owner, const printout& page) {
    // The moment printed is the moment asked, before the printer is contacted.
    return print_pages(owner, page.document_name, page.pages(print_time()));
}

void preview_printout(QWidget* parent, const printout& page) {
    preview_pages(parent, page.document_name, page.pages(print_time()));
}

bool save_printout_pdf(QWidget* parent, const printout& page, const QString& name) {
    return save_file(parent, pdf_file, name, page.document_name, [&page](const QString& path) {
        return write_printout_pdf(path, page, print_time());
    });
}

bool write_printout_pdf(const QString& path, const printout& page, const local_time& now) {
    return write_pdf(path, page.document_name, page.pages(now));
}

}  // namespace carloan
