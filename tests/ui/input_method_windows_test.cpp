// The Windows input-method switch on a real window: the open state it sets reads back through
// the input-method manager.

#include "ui/input_method_platform.h"

#include <gtest/gtest.h>

#include <windows.h>

// After windows.h, which it needs.
#include <imm.h>

namespace carloan {
namespace {

TEST(windows_input_method, open_state_set_on_a_window_reads_back) {
    const HWND window = CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 50,
                                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    const auto handle = [window] { return static_cast<void*>(window); };
    for (const bool open : {true, false, true, false}) {
        set_native_input_method(handle, open);
        const HIMC context = ImmGetContext(window);
        ASSERT_NE(context, nullptr);
        EXPECT_EQ(ImmGetOpenStatus(context) != FALSE, open);
        if (open) {
            DWORD conversion = 0;
            DWORD sentence = 0;
            ImmGetConversionStatus(context, &conversion, &sentence);
            EXPECT_EQ(conversion, DWORD{IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE | IME_CMODE_ROMAN});
        }
        ImmReleaseContext(window, context);
    }
    DestroyWindow(window);
}

}  // namespace
}  // namespace carloan
