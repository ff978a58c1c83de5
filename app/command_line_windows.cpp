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

// The minimal platform with the system's fonts: offscreen's fonts on Windows are only those
// shipped beside Qt, none, and its PDFs would have no text. The window system's own platform,
// always installed and showing nothing unless asked, stands in for it.
const char* windowless_platforms() {
    return "minimal:enable_fonts;windows";
}

}  // namespace carloan
