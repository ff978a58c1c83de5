#include "print/page_drawing.h"

#include "text/qt_text.h"

#include <QFontDatabase>
#include <QPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QStringList>

#include <memory>
#include <utility>

namespace carloan {
namespace {

constexpr double font_points = 13;

QString mincho_family() {
    for (const QString& family :
         {QStringLiteral("MS 明朝"), QStringLiteral("ＭＳ 明朝"), QStringLiteral("MS Mincho")}) {
        if (QFontDatabase::hasFamily(family)) {
            return family;
        }
    }
    return QStringLiteral("IPAMincho");
}

}  // namespace

QFont page_font() {
    QFont font(mincho_family());
    font.setStyleHint(QFont::Serif);
    font.setWeight(QFont::Normal);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    // Set in page dots; the painter's scale turns them into 13 points on any device.
    font.setPixelSize(qRound(font_points * page_dots_per_inch / 72.0));
    return font;
}

void draw_page(QPainter& painter, const std::vector<page_string>& page) {
    const QPaintDevice* device = painter.device();
    painter.save();
    painter.scale(device->logicalDpiX() / double{page_dots_per_inch},
                  device->logicalDpiY() / double{page_dots_per_inch});
    painter.setFont(page_font());
    painter.setPen(Qt::black);
    constexpr double unbounded = 1e6;
    for (const page_string& string : page) {
        if (string.text.empty()) {
            continue;
        }
        painter.drawText(QRectF(string.x, string.y, unbounded, unbounded),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                         from_cp932(string.text));
    }
    painter.restore();
}

drawn_pages drawing_of(std::vector<std::vector<page_string>> pages) {
    const int count = static_cast<int>(pages.size());
    auto shared = std::make_shared<const std::vector<std::vector<page_string>>>(std::move(pages));
    return {count, [shared](QPainter& painter, int index) {
                draw_page(painter, shared->at(static_cast<std::size_t>(index)));
            }};
}

}  // namespace carloan
