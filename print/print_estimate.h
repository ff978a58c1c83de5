#pragma once
// Prints the one-page estimate on the default printer, or shows why it could not.

class QWidget;

namespace carloan {

struct session_state;

void print_estimate(QWidget* owner, const session_state& session);

}  // namespace carloan
