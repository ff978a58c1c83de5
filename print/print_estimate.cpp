#include "print/print_estimate.h"

#include "app/session.h"

namespace carloan {

// Placeholder until printing lands.
void print_estimate(QWidget* /*owner*/, const session_state& /*session*/) {}

}  // namespace carloan
