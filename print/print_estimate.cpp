#include "print/print_estimate.h"

#include "print/page_drawing.h"
#include "ui/session.h"

namespace carloan {

void print_estimate(QWidget* owner, const session_state& session) {
    // The moment printed is the moment asked, before the printer is contacted.
    const std::vector<page_string> page =
        estimate_page(session.record, session.settings, session.flags.bonus_method, print_time());
    print_pages(owner, estimate_document_name, 1,
                [&page](QPainter& painter, int) { draw_page(painter, page); });
}

}  // namespace carloan
