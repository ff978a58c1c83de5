#include "storage/branch_settings_dialog.h"

#include "app/session.h"

namespace carloan {

// Placeholder until the dialog lands.
void run_branch_settings_dialog(QWidget* /*parent*/, session_state& /*session*/) {}

}  // namespace carloan
