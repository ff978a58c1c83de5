#pragma once
// How the chosen Japanese font is drawn, one file per platform: japanese_font_posix.cpp and
// japanese_font_windows.cpp.

class QFont;

namespace carloan {

void set_platform_hinting(QFont& font);

}  // namespace carloan
