#pragma once
// The print confirmation dialog: customer name, remarks and the rate choice before printing.

class QWidget;

namespace carloan {

struct session_state;

// True when confirmed with a customer name, false when cancelled.
bool run_print_confirmation_dialog(QWidget* main_window, session_state& session);

}  // namespace carloan
