#pragma once
// Where a secondary dialog appears on the screen. It does not size or show the dialog.

class QWidget;

namespace carloan {

// Every secondary dialog opens in the top-left corner of the screen, keeping its size. Called
// before the dialog is shown, so that Qt does not centre it over its parent instead.
void move_to_screen_corner(QWidget* dialog);

}  // namespace carloan
