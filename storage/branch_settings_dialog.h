#pragma once

class QWidget;

namespace carloan {

struct session_state;

void run_branch_settings_dialog(QWidget* parent, session_state& session);

}  // namespace carloan
