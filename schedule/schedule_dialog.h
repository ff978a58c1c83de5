#pragma once
// The repayment schedule dialog, opened by 明細 after the calculation.

class QWidget;

namespace carloan {

struct session_state;

void run_schedule_dialog(QWidget* parent, session_state& session);

}  // namespace carloan
