#include "ui/japanese_font_platform.h"

#include <QFont>

namespace carloan {

// Windows draws its own fonts as the desktop is set to.
void set_platform_hinting(QFont&) {}

}  // namespace carloan
