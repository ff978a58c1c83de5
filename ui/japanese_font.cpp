#include "ui/japanese_font.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace carloan {

void prefer_japanese_font() {
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    QFont font = QApplication::font();
    if (japanese.contains(font.family(), Qt::CaseInsensitive)) {
        return;
    }
    for (const QString& family : {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
                                  QStringLiteral("Yu Gothic UI"), QStringLiteral("Meiryo UI"),
                                  QStringLiteral("MS UI Gothic")}) {
        if (japanese.contains(family, Qt::CaseInsensitive)) {
            font.setFamily(family);
#ifndef Q_OS_WIN
            // These fonts carry their own hinting for screen sizes, which puts the strokes of a
            // kanji on whole pixels. The desktop's default for a font it has no setting for is
            // the automatic hinter's light mode: softer, and it analyses the whole font before
            // the first glyph, then each glyph, several times the work.
            font.setHintingPreference(QFont::PreferFullHinting);
#endif
            QApplication::setFont(font);
            return;
        }
    }
}

}  // namespace carloan
