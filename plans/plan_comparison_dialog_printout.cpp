// The plan comparison dialog's printout: the comparison as shown, printed, previewed or saved.

#include "plans/plan_comparison_dialog.h"

#include "plans/plan_page.h"
#include "plans/plan_tables.h"
#include "text/qt_text.h"
#include "ui/printout.h"
#include "ui/session.h"

namespace carloan {

// The comparison as shown, through the estimate's printer, preview and PDF paths.
printout plan_comparison_dialog::comparison_printout() const {
    return {utf8(plan_page_title), [this](const local_time& now) {
                return drawing_of({plan_comparison_page(
                    columns_, session_.flags.bonus_method, session_.record, session_.settings,
                    session_.customer_name, now, residual_plans())});
            }};
}

void plan_comparison_dialog::print() {
    print_printout(this, comparison_printout());
}

void plan_comparison_dialog::preview() {
    preview_printout(this, comparison_printout());
}

void plan_comparison_dialog::save_pdf() {
    save_printout_pdf(this, comparison_printout(), from_cp932(session_.customer_name));
}

}  // namespace carloan
