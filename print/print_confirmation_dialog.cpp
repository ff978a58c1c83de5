#include "print/print_confirmation_dialog.h"

#include "app/session.h"

namespace carloan {

// Placeholder until the print confirmation lands.
bool run_print_confirmation_dialog(QWidget* /*main_window*/, session_state& /*session*/) {
    return false;
}

}  // namespace carloan
