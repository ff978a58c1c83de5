#include "app/command_line_platform.h"

namespace carloan {

// Standard output is the terminal's already.
void reach_parent_console() {}

}  // namespace carloan
