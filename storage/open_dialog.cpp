#include "storage/open_dialog.h"

#include "app/session.h"

namespace carloan {

// Placeholder until the dialog lands.
void run_open_dialog(QWidget* /*parent*/, session_state& /*session*/) {}

}  // namespace carloan
