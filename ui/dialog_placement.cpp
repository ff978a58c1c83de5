#include "ui/dialog_placement.h"

#include <QScreen>
#include <QWidget>

namespace carloan {

void move_to_screen_corner(QWidget* dialog) {
    if (const QScreen* screen = dialog->screen()) {
        dialog->move(screen->availableGeometry().topLeft());
    }
}

}  // namespace carloan
