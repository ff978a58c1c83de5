#include "ui/japanese_font_platform.h"

#include <QFont>

namespace carloan {

// These fonts carry their own hinting for screen sizes, which puts the strokes of a kanji on
// whole pixels. The desktop's default for a font it has no setting for is the automatic hinter's
// light mode: softer, and it analyses the whole font before the first glyph, then each glyph,
// several times the work.
void set_platform_hinting(QFont& font) {
    font.setHintingPreference(QFont::PreferFullHinting);
}

}  // namespace carloan
