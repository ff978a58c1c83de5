#include "schedule/schedule_dialog.h"

#include "app/session.h"

namespace carloan {

// Placeholder until the schedule dialog lands.
void run_schedule_dialog(QWidget* /*parent*/, session_state& /*session*/) {}

}  // namespace carloan
