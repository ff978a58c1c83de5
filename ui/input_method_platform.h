#pragma once
// The platform's input-method switch, one file per platform: input_method_windows.cpp (the
// Windows input-method manager) and input_method_posix.cpp. Behind a plain handle so that this
// pair of files needs no Qt.

#include <functional>

namespace carloan {

// Opens the input context of the native window in full-width hiragana with romaji typing and
// automatic phrase conversion, or closes it leaving its modes as they were. The window is asked
// for only where the platform switches: asking a widget for one creates it.
void set_native_input_method(const std::function<void*()>& native_window, bool open);

}  // namespace carloan
