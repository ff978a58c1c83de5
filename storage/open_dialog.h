#pragma once

class QWidget;

namespace carloan {

struct session_state;

// Sets the current quote name and path, or "?????" when cancelled.
void run_open_dialog(QWidget* parent, session_state& session);

}  // namespace carloan
