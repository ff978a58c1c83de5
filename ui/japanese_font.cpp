#include "ui/japanese_font.h"

#include "ui/japanese_font_platform.h"

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
            set_platform_hinting(font);
            QApplication::setFont(font);
            return;
        }
    }
}

}  // namespace carloan
