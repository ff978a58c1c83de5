#pragma once
// The Windows input-method manager, behind a plain handle so that this pair of files needs no Qt.

namespace carloan {

// Opens the input context of the native window in full-width hiragana with romaji typing and
// automatic phrase conversion, or closes it leaving its modes as they were.
void set_native_input_method(void* native_window, bool open);

}  // namespace carloan
