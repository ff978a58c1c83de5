#include "print/print_estimate.h"

#include "ui/session.h"

namespace carloan {
namespace {

page_drawing estimate_drawing(const session_state& session, const local_time& now) {
    return drawing_of(
        {estimate_page(session.record, session.settings, session.flags.bonus_method, now)});
}

}  // namespace

bool print_estimate(QWidget* owner, const session_state& session) {
    // The moment printed is the moment asked, before the printer is contacted.
    return print_pages(owner, estimate_document_name, 1, estimate_drawing(session, print_time()));
}

void preview_estimate(QWidget* parent, const session_state& session) {
    preview_pages(parent, estimate_document_name, 1, estimate_drawing(session, print_time()));
}

bool write_estimate_pdf(const QString& path, const session_state& session, const local_time& now) {
    return write_pdf(path, estimate_document_name, 1, estimate_drawing(session, now));
}

}  // namespace carloan
