#pragma once
// The application font: one Japanese family for every window of the program.

namespace carloan {

// Every text of the program is Japanese. A Western default font would leave the kanji to
// whatever fallback font turns up first, possibly with Chinese glyph forms. One family is named,
// not a list: with a list every script's font would also look up its fallback fonts at once,
// the slowest part of showing the main window, where one family looks them up only for a
// character it lacks. Call once the QApplication exists, before any window.
void prefer_japanese_font();

}  // namespace carloan
