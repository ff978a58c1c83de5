#include "app/command_line_platform.h"

namespace carloan {

// Standard output is the terminal's already.
void reach_parent_console() {}

// Offscreen ships with Qt's own library here.
const char* windowless_platforms() {
    return "offscreen";
}

}  // namespace carloan
