#include "storage/save_name_dialog.h"

#include "app/session.h"

namespace carloan {

// Placeholder until the dialog lands.
void run_save_name_dialog(QWidget* /*parent*/, session_state& /*session*/) {}

}  // namespace carloan
