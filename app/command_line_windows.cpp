#include "app/command_line_platform.h"

#include <windows.h>

#include <cstdio>

namespace carloan {

// A program built without a console writes nowhere; a user who typed the option in a console
// expects the answer there.
void reach_parent_console() {
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::FILE* ignored = nullptr;
        freopen_s(&ignored, "CONOUT$", "w", stdout);
    }
}

// The window system's own platform is always installed; it shows nothing unless asked to.
const char* windowless_platforms() {
    return "offscreen;windows";
}

}  // namespace carloan
