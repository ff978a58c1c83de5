#include "ui/input_method_platform.h"

#include <windows.h>

// After windows.h, which it needs.
#include <imm.h>

namespace carloan {

void set_native_input_method(const std::function<void*()>& native_window, bool open) {
    const auto window = static_cast<HWND>(native_window());
    const HIMC context = ImmGetContext(window);
    if (context == nullptr) {
        return;
    }
    if (open) {
        ImmSetOpenStatus(context, TRUE);
        ImmSetConversionStatus(context, IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE | IME_CMODE_ROMAN,
                               IME_SMODE_AUTOMATIC);
    } else {
        ImmSetOpenStatus(context, FALSE);
    }
    ImmReleaseContext(window, context);
}

}  // namespace carloan
