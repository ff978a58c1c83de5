#pragma once
// Read-only fields drawn on the window's background, as native read-only edit fields are, so
// that a clerk tells at a glance where to type. They stay selectable for copying. One style for
// the whole application covers every dialog, whichever form its fields come from.

namespace carloan {

// Wraps the application's style; call once the QApplication exists, before any window.
void use_field_style();

}  // namespace carloan
