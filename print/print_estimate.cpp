#include "print/print_estimate.h"

#include "ui/session.h"

namespace carloan {

printout estimate_printout(const session_state& session) {
    return {estimate_document_name, [&session](const local_time& now) {
                return drawing_of({estimate_page(session.record, session.settings,
                                                 session.flags.bonus_method, now)});
            }};
}

bool print_estimate(QWidget* owner, const session_state& session) {
    return print_printout(owner, estimate_printout(session));
}

bool write_estimate_pdf(const QString& path, const session_state& session, const local_time& now) {
    return write_printout_pdf(path, estimate_printout(session), now);
}

}  // namespace carloan
