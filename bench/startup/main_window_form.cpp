// The second yardstick for start-up: the main window's form alone, in the program's font and
// field style, run as the minimal dialog is, with none of the program around it (no settings, no
// icon, no validators, no commands). What the program takes beyond this is its own; the rest is
// the cost of the form.

#include "ui/field_style.h"
#include "ui/japanese_font.h"
#include "ui_main_window.h"

#include <QApplication>
#include <QDialog>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    carloan::prefer_japanese_font();
    carloan::use_field_style();
    QDialog dialog;
    Ui::main_window form;
    form.setupUi(&dialog);
    dialog.exec();
    return 0;
}
