#include "ui/window_icon.h"

#include <QImage>
#include <QPixmap>
#include <QResource>

// The icon's resource sits in a static library; nothing would pull it into the program otherwise.
static void load_icon_resource() {
    Q_INIT_RESOURCE(carloan);
}

namespace carloan {
namespace {

// The window's icon sizes are kept as raw RGBA pixels, uncompressed in the resource: taken as
// they are, they need no image reader, which looks through the installed format plugins before
// it reads anything, nor a decoder, at every start.
QImage window_icon_image(int size) {
    const QResource resource(QStringLiteral(":/carloan-%1.rgba").arg(size));
    const QByteArray pixels = resource.uncompressedData();
    if (pixels.size() != qsizetype{size} * size * 4) {
        return {};
    }
    return QImage(reinterpret_cast<const uchar*>(pixels.constData()), size, size,
                  QImage::Format_RGBA8888)
        .copy();
}

}  // namespace

QIcon program_icon() {
    load_icon_resource();
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        icon.addPixmap(QPixmap::fromImage(window_icon_image(size)));
    }
    return icon;
}

}  // namespace carloan
