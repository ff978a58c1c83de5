#pragma once
// The program's icon for its windows: the title bar, the task switcher and a panel. It does not
// install the icon for the desktop's menus; packaging/ does.

#include <QIcon>

namespace carloan {

QIcon program_icon();

}  // namespace carloan
